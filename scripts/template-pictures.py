#!/usr/bin/env python3
"""Draws the pictures the page templates use (data/images/*.gif).

Plain Python, no imaging library: each picture is a function of (x, y) giving
an RGB colour, quantised to a palette and written as a GIF89a file. Run it
again after changing a picture; the output is the same on every machine.
"""
import math
import os
import struct
import sys


def lzw(indexes, min_code_size):
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    out, bits, nbits = bytearray(), 0, 0
    code_size = min_code_size + 1

    def emit(code):
        nonlocal bits, nbits
        bits |= code << nbits
        nbits += code_size
        while nbits >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            nbits -= 8

    table = {(i,): i for i in range(clear)}
    next_code = end + 1
    emit(clear)
    current = ()
    for index in indexes:
        candidate = current + (index,)
        if candidate in table:
            current = candidate
            continue
        emit(table[current])
        if next_code < 4096:
            table[candidate] = next_code
            if next_code == (1 << code_size) and code_size < 12:
                code_size += 1
            next_code += 1
        else:
            emit(clear)
            table = {(i,): i for i in range(clear)}
            next_code = end + 1
            code_size = min_code_size + 1
        current = (index,)
    if current:
        emit(table[current])
    emit(end)
    if nbits:
        out.append(bits & 0xFF)
    return bytes(out)


def write_gif(path, width, height, pixel, transparent=None):
    """pixel(x, y) -> (r, g, b) or None for transparent."""
    colours, indexes = {}, []
    if transparent is not None:
        colours[None] = 0
    for y in range(height):
        for x in range(width):
            c = pixel(x, y)
            if c is not None:
                c = tuple(min(255, max(0, int(v))) & 0xF8 for v in c)  # 5 bits a channel
            if c not in colours:
                colours[c] = len(colours)
            indexes.append(colours[c])
    if len(colours) > 256:
        raise SystemExit(f"{path}: {len(colours)} colours")
    depth = max(1, (len(colours) - 1).bit_length())
    palette = bytearray(3 << depth)
    for c, i in colours.items():
        if c is not None:
            palette[3 * i:3 * i + 3] = bytes(c)
    data = bytearray(b"GIF89a")
    data += struct.pack("<HHBBB", width, height, 0x80 | 0x70 | (depth - 1), 0, 0)
    data += palette
    if None in colours:
        data += bytes([0x21, 0xF9, 4, 1, 0, 0, colours[None], 0])
    data += b"," + struct.pack("<HHHHB", 0, 0, width, height, 0)
    min_code = max(2, depth)
    data.append(min_code)
    stream = lzw(indexes, min_code)
    for i in range(0, len(stream), 255):
        chunk = stream[i:i + 255]
        data.append(len(chunk))
        data += chunk
    data += b"\x00;"
    with open(path, "wb") as f:
        f.write(data)


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def landscape(sky_top, sky_low, sun, hills, ground, seed):
    def pixel(x, y, w=120, h=90):
        hill = 55 + 10 * math.sin(x / 17.0 + seed) + 6 * math.sin(x / 7.0 + 2 * seed)
        far = 48 + 8 * math.sin(x / 23.0 + 3 * seed)
        if y > hill:
            return mix(hills, ground, min(1, (y - hill) / 30.0))
        if y > far:
            return mix(hills, (255, 255, 255), 0.35)
        if (x - 28 - seed * 20) ** 2 + (y - 22) ** 2 < 110:
            return sun
        return mix(sky_top, sky_low, y / 60.0)
    return pixel


def ball(colour, size):
    r = size / 2.0

    def pixel(x, y):
        d = math.hypot(x + 0.5 - r, y + 0.5 - r)
        if d > r - 0.3:
            return None
        light = max(0.0, 1 - math.hypot(x - r * 0.6, y - r * 0.6) / size)
        return mix(colour, (255, 255, 255), light * 0.8)
    return pixel


def square_button(face, edge, size):
    def pixel(x, y):
        if x in (0, size - 1) or y in (0, size - 1):
            return edge
        if x == 1 or y == 1:
            return mix(face, (255, 255, 255), 0.5)
        if x == size - 2 or y == size - 2:
            return mix(face, (0, 0, 0), 0.4)
        return mix(face, (255, 255, 255), 0.25 * (1 - y / size))
    return pixel


def banner(left, right, width, height):
    def pixel(x, y):
        wave = 0.5 + 0.5 * math.sin(x / 25.0 + y / 9.0)
        base = mix(left, right, x / width)
        return mix(base, (255, 255, 255), 0.18 * wave * (1 - y / height))
    return pixel


def main(folder):
    os.makedirs(folder, exist_ok=True)
    pictures = {
        "photo1.gif": (120, 90, landscape((40, 90, 200), (170, 210, 250), (255, 230, 90), (60, 140, 60), (30, 80, 30), 0.3)),
        "photo2.gif": (120, 90, landscape((230, 110, 60), (250, 200, 120), (255, 250, 200), (120, 70, 90), (60, 30, 50), 1.1)),
        "photo3.gif": (120, 90, landscape((20, 40, 90), (90, 120, 180), (230, 230, 255), (70, 90, 120), (30, 40, 60), 2.0)),
        "photo4.gif": (120, 90, landscape((120, 180, 220), (220, 240, 250), (255, 255, 255), (150, 160, 80), (90, 110, 40), 2.7)),
        "ball_blue.gif": (11, 11, ball((30, 80, 200), 11)),
        "ball_red.gif": (11, 11, ball((200, 30, 30), 11)),
        "ball_green.gif": (11, 11, ball((30, 150, 50), 11)),
        "button_square.gif": (24, 24, square_button((90, 120, 170), (30, 40, 70), 24)),
        "button_square_on.gif": (24, 24, square_button((220, 150, 40), (90, 50, 10), 24)),
        "banner_blue.gif": (468, 60, banner((20, 50, 120), (80, 150, 220), 468, 60)),
        "banner_grey.gif": (468, 60, banner((40, 40, 40), (110, 110, 110), 468, 60)),
        "line.gif": (400, 3, lambda x, y: mix((200, 60, 30), (250, 200, 60), x / 400.0) if y != 1 else (255, 240, 200)),
        "spacer.gif": (1, 1, lambda x, y: None),
    }
    for name, (w, h, pixel) in pictures.items():
        write_gif(os.path.join(folder, name), w, h, pixel, transparent=True)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "data", "images"))
