#!/usr/bin/env bash
# tessaly-cli detect: the status line for files of each kind, and a clear
# failure for a file that is not there.
cli=$1
source "$(dirname "$0")/expect.sh"

detect() {  # detect NAME EXPECTED PRINTF-FORMAT
  printf "$3" > "$dir/page.htm"
  expect "detect $1" "$2" "$("$cli" detect "$dir/page.htm")"
}

detect "empty" "encoding windows-1251" ''
detect "ascii" "encoding windows-1251" '<p>plain</p>'
detect "utf-8 content" "encoding UTF-8" '<p>\xc3\xa9</p>'
detect "utf-8 mark" "encoding UTF-8 bom" '\xef\xbb\xbf<p>x</p>'
detect "utf-8 mark only" "encoding UTF-8 bom" '\xef\xbb\xbf'
detect "utf-16le mark" "encoding UTF-16LE bom" '\xff\xfe<\x00p\x00>\x00'
detect "utf-16be unpaired surrogate" "encoding UTF-16BE bom invalid 1" '\xfe\xff\x00<\xd8\x00\x00>'
detect "declared, invalid bytes" "encoding UTF-8 invalid 2" '<meta charset="utf-8"><p>\xe9\xe8</p>'
detect "declared latin1" "encoding windows-1252" "<meta charset=' LATIN1 '><p>\xe9</p>"

"$cli" detect "$dir/missing.htm" >/dev/null 2>"$dir/error.txt"
expect "detect missing file exit" 1 "$?"
grep -q "missing.htm" "$dir/error.txt"
expect "detect missing file names it" 0 "$?"

"$cli" detect >/dev/null 2>&1
expect "detect without a file exit" 1 "$?"

finish
