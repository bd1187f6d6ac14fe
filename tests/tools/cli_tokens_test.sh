#!/usr/bin/env bash
# tessaly-cli tokens: the file is split into lines as the editor loads it
# (CR LF, CR and LF end a line, a NUL byte is a character of its line; a
# final break adds no empty line).
cli=$1
source "$(dirname "$0")/expect.sh"

printf '<b>a\r\nb\rc\nd\0e\r\n' > "$dir/breaks.htm"
expect "tokens line breaks" "$(printf '%s\n' \
  $'1\t0\t8\t<' $'1\t1\t4\tb' $'1\t2\t8\t>' $'1\t3\t9\ta' 'line 1 end-state 5' \
  $'2\t0\t9\tb' 'line 2 end-state 5' $'3\t0\t9\tc' 'line 3 end-state 5' \
  $'4\t0\t9\td' $'4\t1\t9\t\\x00' $'4\t2\t9\te' 'line 4 end-state 5')" \
  "$("$cli" tokens "$dir/breaks.htm")"

: > "$dir/empty.htm"
expect "tokens empty file" "" "$("$cli" tokens "$dir/empty.htm")"

"$cli" tokens "$dir/missing.htm" >/dev/null 2>&1
expect "tokens missing file exit" 1 "$?"

finish
