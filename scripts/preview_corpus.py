#!/usr/bin/env python3
"""Compares the preview's text of real UTF-8 pages with the text Python's
HTML parser extracts from them, whitespace collapsed, and prints the share
of pages that agree character for character and, for the rest, where they
part.

  python3 scripts/preview_corpus.py TESSALY-CLI [FOLDER ...]

Folders default to the documentation installed on this machine. A page
counts when it is valid UTF-8 with at least one non-ASCII character (or
declares UTF-8). The preview's text is `tessaly-cli parse --text`; the
reference skips what the preview does not show as text either: the head
(title, scripts, styles), scripts and styles anywhere, and the captions of
form controls; it puts a space where a block tag ends a line, as the preview
starts a new text section there. Pages whose characters agree but whose
spaces differ are counted apart.
"""

import html.parser
import os
import re
import subprocess
import sys

DEFAULT_FOLDERS = ["/usr/share/doc", "/usr/share/javascript", "/root/.pyenv", "/usr/lib/python3"]
HIDDEN = {"script", "style", "title", "textarea", "select", "option", "head"}
VOID = {"br", "img", "input", "meta", "link", "hr", "base", "area", "col", "embed", "param", "source", "wbr"}
# Tags that end a line of text, where the preview starts a new section.
BREAKS = {"p", "div", "br", "li", "dt", "dd", "tr", "td", "th", "caption", "table", "ul", "ol", "dl", "pre",
          "hr", "blockquote", "center", "h1", "h2", "h3", "h4", "h5", "h6", "address", "form", "body", "img",
          "input", "select", "textarea"}


class TextOf(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.parts = []
        self.hidden = []

    def handle_starttag(self, tag, attrs):
        if tag in BREAKS:
            self.parts.append(" ")
        if tag in HIDDEN and tag not in VOID:
            self.hidden.append(tag)

    def handle_endtag(self, tag):
        if tag in BREAKS:
            self.parts.append(" ")
        if tag in self.hidden:
            while self.hidden and self.hidden.pop() != tag:
                pass
            # A body after a head that was never closed shows again.
        if tag == "head":
            self.hidden.clear()

    def handle_data(self, data):
        if not self.hidden:
            self.parts.append(data)


def collapse(text):
    return re.sub(r"\s+", " ", text.replace("\u00a0", " ")).strip()


def reference_text(raw):
    parser = TextOf()
    parser.feed(raw)
    parser.close()
    return collapse("".join(parser.parts))


def unescape_dump(line):
    return re.sub(r"\\x([0-9A-F]{2})", lambda m: chr(int(m.group(1), 16)), line)


def preview_text(cli, path):
    out = subprocess.run([cli, "parse", "--text", "--encoding", "UTF-8", path], capture_output=True, check=True)
    lines = [unescape_dump(line) for line in out.stdout.decode("utf-8").split("\n")]
    # Object codes (controls, pictures) are not text.
    text = " ".join(re.sub("[\x02\x04\x06\x07]", " ", line) for line in lines)
    return collapse(text)


def is_utf8_page(data):
    try:
        text = data.decode("utf-8")
    except UnicodeDecodeError:
        return False
    return any(ord(c) > 127 for c in text) or b'charset="utf-8"' in data.lower() or b"charset=utf-8" in data.lower()


def pages(folders):
    for folder in folders:
        for root, _, files in os.walk(folder):
            for name in sorted(files):
                if name.endswith((".html", ".htm")):
                    path = os.path.join(root, name)
                    if os.path.getsize(path) < 4 * 1024 * 1024:
                        yield path


def first_difference(a, b):
    i = 0
    while i < min(len(a), len(b)) and a[i] == b[i]:
        i += 1
    return i


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    cli = sys.argv[1]
    folders = sys.argv[2:] or DEFAULT_FOLDERS
    total = equal = spacing = 0
    for path in pages(folders):
        data = open(path, "rb").read()
        if not is_utf8_page(data):
            continue
        total += 1
        expected = reference_text(data.decode("utf-8"))
        actual = preview_text(cli, path)
        if actual == expected:
            equal += 1
            continue
        if actual.replace(" ", "") == expected.replace(" ", ""):
            spacing += 1  # the same characters; only where lines break differs
            print(f"SPACING {path}")
            continue
        at = first_difference(actual, expected)
        print(f"DIFFERS {path}\n  preview: ...{actual[max(0, at - 40):at + 60]!r}\n"
              f"  parser:  ...{expected[max(0, at - 40):at + 60]!r}")
    share = 100.0 * equal / total if total else 0.0
    print(f"{equal} of {total} UTF-8 pages equal ({share:.1f}%), {spacing} more equal but for spaces at line breaks")


if __name__ == "__main__":
    main()
