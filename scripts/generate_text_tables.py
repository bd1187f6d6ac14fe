#!/usr/bin/env python3
"""Writes the text module's generated tables:

  src/platform/text/SingleByteTables.cpp  the upper half (0x80-0xFF) of every
                                          single-byte encoding, as code points
  src/platform/text/CaseFoldTable.cpp     simple case folding pairs
  src/platform/text/CharClassTable.cpp    wide characters and word characters

Run from anywhere: python3 scripts/generate_text_tables.py

Python's own codecs are the offline source of the byte tables, but the web's
encoding standard, which browsers and therefore our pages follow, differs from
them in a few places. Where it does, the standard wins; every such place is
listed in STANDARD_OVERRIDES or follows the C1 rule below, and the script
prints what it changed.
"""

import os
import sys
import unicodedata

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT_DIR = os.path.join(ROOT, "src", "platform", "text")

# (enumerator, Python codec), in the order of text::Encoding's single-byte
# enumerators.
SINGLE_BYTE = [
    ("Ibm866", "cp866"),
    ("Iso8859_2", "iso8859_2"),
    ("Iso8859_3", "iso8859_3"),
    ("Iso8859_4", "iso8859_4"),
    ("Iso8859_5", "iso8859_5"),
    ("Iso8859_6", "iso8859_6"),
    ("Iso8859_7", "iso8859_7"),
    ("Iso8859_8", "iso8859_8"),
    ("Iso8859_8I", "iso8859_8"),
    ("Iso8859_10", "iso8859_10"),
    ("Iso8859_13", "iso8859_13"),
    ("Iso8859_14", "iso8859_14"),
    ("Iso8859_15", "iso8859_15"),
    ("Iso8859_16", "iso8859_16"),
    ("Koi8R", "koi8_r"),
    ("Koi8U", "koi8_u"),
    ("Macintosh", "mac_roman"),
    ("Windows874", "cp874"),
    ("Windows1250", "cp1250"),
    ("Windows1251", "cp1251"),
    ("Windows1252", "cp1252"),
    ("Windows1253", "cp1253"),
    ("Windows1254", "cp1254"),
    ("Windows1255", "cp1255"),
    ("Windows1256", "cp1256"),
    ("Windows1257", "cp1257"),
    ("Windows1258", "cp1258"),
    ("XMacCyrillic", "mac_cyrillic"),
]

# The standard's windows-* indexes give every byte 0x80-0x9F that the vendor
# left undefined the C1 control of the same value (windows-1252 0x81, 0x8D,
# 0x8F, 0x90, 0x9D; windows-1251 0x98; ...), so those bytes survive a round
# trip. Python's codecs leave them undefined. Bytes the standard leaves
# undefined elsewhere (windows-1253 0xAA, 0xD2, 0xFF; windows-1257 0xA1, 0xA5;
# windows-874 0xDB-0xDE, 0xFC-0xFF) stay undefined here too.
C1_FOR_UNDEFINED = {name for name, _ in SINGLE_BYTE if name.startswith("Windows")}

# Single code points where the standard's index differs from Python's codec.
STANDARD_OVERRIDES = {
    # The standard's KOI8-U is the variant with the Belarusian short u.
    "Koi8U": {0xAE: 0x045E, 0xBE: 0x040E},
    # The standard maps Hebrew point qamats qatan, which Python leaves undefined.
    "Windows1255": {0xCA: 0x05BA},
}

UNMAPPED = 0


def upper_half(name, codec):
    table = []
    changes = []
    for byte in range(0x80, 0x100):
        try:
            text = bytes([byte]).decode(codec)
            code_point = ord(text) if len(text) == 1 else UNMAPPED
        except UnicodeDecodeError:
            code_point = UNMAPPED
        standard = code_point
        if code_point == UNMAPPED and name in C1_FOR_UNDEFINED and byte < 0xA0:
            standard = byte
        standard = STANDARD_OVERRIDES.get(name, {}).get(byte, standard)
        if standard != code_point:
            changes.append((byte, code_point, standard))
        table.append(standard)
    for low in range(0x80):
        if bytes([low]).decode(codec) != chr(low):
            sys.exit(f"{codec}: byte {low:#04x} is not ASCII; the module assumes it is")
    return table, changes


def simple_case_folding():
    """Pairs (code point, fold) of simple case folding.

    str.casefold() gives the full folding; where that is one code point it is
    also the simple one. Where the full folding is longer (ß -> ss), the
    simple folding is the one-code-point lower case if there is one (ẞ -> ß),
    otherwise the character folds to itself (İ has no simple folding)."""
    pairs = []
    for code_point in range(0x110000):
        if 0xD800 <= code_point < 0xE000:
            continue
        char = chr(code_point)
        folded = char.casefold()
        if len(folded) != 1:
            lower = char.lower()
            folded = lower if len(lower) == 1 else char
        if folded != char:
            pairs.append((code_point, ord(folded)))
    return pairs


def ranges_where(test):
    """Inclusive (first, last) ranges of the code points passing test."""
    ranges = []
    for code_point in range(0x110000):
        if 0xD800 <= code_point < 0xE000 or not test(chr(code_point)):
            continue
        if ranges and ranges[-1][1] == code_point - 1:
            ranges[-1][1] = code_point
        else:
            ranges.append([code_point, code_point])
    return ranges


def wide_ranges():
    """Characters a monospace grid gives two cells: East Asian Wide and
    Fullwidth, which since Unicode 9 include the emoji shown as pictures.
    Python calls unassigned code points wide; only those of the ideograph
    planes are kept, as the standard's default for them."""
    def wide(c):
        if 0x20000 <= ord(c) <= 0x3FFFD:
            return True
        return unicodedata.category(c) != "Cn" and unicodedata.east_asian_width(c) in ("W", "F")
    return ranges_where(wide)


def word_ranges():
    """Letters, marks and digits of every script, the characters words are
    made of; marks so that a letter and its accent stay one word."""
    return ranges_where(lambda c: unicodedata.category(c)[0] in ("L", "M", "N"))


def range_table(name, ranges):
    lines = [f"const CodePointRange {name}[{len(ranges)}] = {{"]
    for i in range(0, len(ranges), 4):
        lines.append("    " + " ".join(f"{{0x{a:04X}, 0x{b:04X}}}," for a, b in ranges[i:i + 4]))
    lines += ["};", f"const std::size_t {name}Count = {len(ranges)};", ""]
    return lines


HEADER = """// Generated by scripts/generate_text_tables.py from Python {python}'s
// {source}. Do not edit by hand: change the script and run it again.
"""


def write(path, text):
    with open(path, "w", encoding="utf-8", newline="\n") as out:
        out.write(text)
    print("wrote", os.path.relpath(path, ROOT))


def main():
    python = ".".join(map(str, sys.version_info[:3]))
    lines = [HEADER.format(python=python, source="codecs, corrected to the web's encoding standard"),
             "// Each row is the upper half (bytes 0x80-0xFF) of one encoding; the lower",
             "// half is ASCII in all of them. 0 marks a byte the encoding leaves undefined.",
             "",
             '#include "platform/text/SingleByteTables.h"',
             "",
             "namespace tessaly::text::tables {",
             "",
             "const char32_t kUpperHalves[kSingleByteCount][128] = {"]
    for name, codec in SINGLE_BYTE:
        table, changes = upper_half(name, codec)
        for byte, was, now in changes:
            print(f"{name}: byte {byte:#04x} {was:#06x} -> {now:#06x} (standard)")
        lines.append(f"    // {name} ({codec})")
        lines.append("    {")
        for row in range(0, 128, 8):
            lines.append("        " + " ".join(f"0x{cp:04X}," for cp in table[row:row + 8]))
        lines.append("    },")
    lines += ["};", "", "}  // namespace tessaly::text::tables", ""]
    write(os.path.join(OUT_DIR, "SingleByteTables.cpp"), "\n".join(lines))

    pairs = simple_case_folding()
    lines = [HEADER.format(python=python, source=f"Unicode {unicodedata.unidata_version} data (str.casefold)"),
             "// Simple case folding: (code point, folded) sorted by code point; code",
             "// points not listed fold to themselves.",
             "",
             '#include "platform/text/CaseFold.h"',
             "",
             "namespace tessaly::text::tables {",
             "",
             f"const CaseFoldPair kCaseFolds[{len(pairs)}] = {{"]
    for i in range(0, len(pairs), 4):
        lines.append("    " + " ".join(f"{{0x{a:04X}, 0x{b:04X}}}," for a, b in pairs[i:i + 4]))
    lines += ["};", f"const std::size_t kCaseFoldCount = {len(pairs)};", "",
              "}  // namespace tessaly::text::tables", ""]
    write(os.path.join(OUT_DIR, "CaseFoldTable.cpp"), "\n".join(lines))

    lines = [HEADER.format(python=python, source=f"Unicode {unicodedata.unidata_version} data (unicodedata)"),
             "// Inclusive code point ranges, sorted.",
             "",
             '#include "platform/text/CharClass.h"',
             "",
             "namespace tessaly::text::tables {",
             ""]
    lines += range_table("kWideRanges", wide_ranges())
    lines += range_table("kWordRanges", word_ranges())
    lines += ["}  // namespace tessaly::text::tables", ""]
    write(os.path.join(OUT_DIR, "CharClassTable.cpp"), "\n".join(lines))


if __name__ == "__main__":
    main()
