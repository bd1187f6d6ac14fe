#!/usr/bin/env bash
# Opens a 50 MB UTF-8 page and a 50 MB binary file through the real window,
# types one character at the start of each and saves: the driver prints the
# status, and the saved file must equal the original with only that character
# and the footer added. Too slow for every test run; run it after changes to
# loading, detection or saving:  bash scripts/big-file-check.sh [tessaly-cli]
set -euo pipefail
cli=${1:-build/dev/bin/tessaly-cli}
cli=$(realpath "$cli")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
python3 - <<'PY'
import os, random
random.seed(7)
words = ["page", "страница", "κείμενο", "链接", "value", "редактор"]
line = " ".join(random.choice(words) for _ in range(12)) + "\r\n"
with open("big-utf8.htm", "wb") as f:
    f.write(b'<meta charset="utf-8">\r\n')
    data = line.encode("utf-8")
    for _ in range((50 << 20) // len(data)):
        f.write(data)
with open("big-binary.htm", "wb") as f:
    f.write(os.urandom(50 << 20))
PY
cat > check.ui <<'UI'
answer open "big-utf8.htm"
click Open1
print encoding
focus SrcEdit
key Ctrl+Home
type "ж"
answer message ok
click Save1
answer open "big-binary.htm"
click Open1
print encoding
focus SrcEdit
key Ctrl+Home
type "x"
answer message ok
click Save1
UI
for f in big-utf8.htm big-binary.htm; do cp "$f" "$f.orig"; done
start=$(date +%s.%N)
QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 "$cli" ui --program-dir "$work/program" check.ui
echo "driver run: $(echo "$(date +%s.%N) - $start" | bc) s"
python3 - <<'PY'
footer = b'<br><br><center><a href="https://tessaly.example.org/"><font size=1>Powered by Tessaly</font></a>\r\n'
import sys
ok = True
for name, typed in (("big-utf8.htm", "ж".encode()), ("big-binary.htm", b"x")):
    before = open(name + ".orig", "rb").read()
    after = open(name, "rb").read()
    # Save writes CR LF after every line: the original's bare CR and LF become CR LF.
    lines = before.replace(b"\r\n", b"\n").replace(b"\r", b"\n").split(b"\n")
    if lines and lines[-1] == b"":
        lines.pop()
    expected = typed + b"\r\n".join(lines) + b"\r\n" + footer
    same = after == expected
    ok &= same
    print(f"{name}: {len(before)} bytes in, {len(after)} out, {'as expected' if same else 'DIFFERENT'}")
sys.exit(0 if ok else 1)
PY
