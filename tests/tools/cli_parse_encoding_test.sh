#!/usr/bin/env bash
# tessaly-cli parse reads a page in the encoding the editor would detect, or
# in the one --encoding names; the text prints as UTF-8 and the index runs
# count bytes of the page.
cli=$1
source "$(dirname "$0")/expect.sh"

parse() {  # parse NAME EXPECTED PRINTF-FORMAT [OPTIONS...]
  local name=$1 expected=$2 format=$3
  shift 3
  printf "$format" > "$dir/page.htm"
  expect "parse $name" "$expected" "$("$cli" parse "$@" "$dir/page.htm")"
}

parse "utf-8 detected" "Привет" '<p>\xd0\x9f\xd1\x80\xd0\xb8\xd0\xb2\xd0\xb5\xd1\x82' --text
parse "windows-1251 by default" "Привет" '<p>\xcf\xf0\xe8\xe2\xe5\xf2' --text
parse "declared koi8-r" "При" '<meta charset=koi8-r><p>\xf0\xd2\xc9' --text
parse "forced windows-1251" "РџСЂ" '<p>\xd0\x9f\xd1\x80' --text --encoding windows-1251
parse "forced by a label" "При" '<p>\xf0\xd2\xc9' --text --encoding koi8
parse "references" "é — → A" '<p>&eacute; &mdash; &#8594; &#x41;' --text
parse "byte runs" "0:3*2 3:9" '<p>\xd0\x9f\xd1\x80\xd0\xb8 x' --map

"$cli" parse --encoding no-such-thing "$dir/page.htm" >/dev/null 2>"$dir/error.txt"
expect "unknown encoding exit" 1 "$?"
grep -q "unknown encoding: no-such-thing" "$dir/error.txt"
expect "unknown encoding is named" 0 "$?"

finish
