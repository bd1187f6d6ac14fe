#!/usr/bin/env bash
# tessaly-cli lines and strlib: output formats, exit codes and error lines.
cli=$1
source "$(dirname "$0")/expect.sh"

printf 'a\nb\nc' > "$dir/lf.htm"
expect "lines lf" $'lines 3\nstyle lf' "$("$cli" lines "$dir/lf.htm")"
printf 'a\rb\r' > "$dir/cr.htm"
expect "lines cr" $'lines 2\nstyle cr' "$("$cli" lines "$dir/cr.htm")"
: > "$dir/empty.htm"
expect "lines empty" $'lines 0\nstyle crlf' "$("$cli" lines "$dir/empty.htm")"

err=$("$cli" lines "$dir/missing.htm" 2>&1 >/dev/null); rc=$?
expect "lines missing exit" 1 "$rc"
expect "lines missing message lines" 1 "$(printf '%s\n' "$err" | wc -l)"

printf 'alert(1);\r\n\r\nx' > "$dir/snippet.js"
lib="$dir/script/java.velmora"
mkdir -p "$dir/script"
"$cli" strlib add "$lib" "Alert box" "$dir/snippet.js" || failures=$((failures + 1))
"$cli" strlib add "$lib" $'\xcf\xf0\xe8' "$dir/snippet.js" || failures=$((failures + 1))
expect "strlib signature" "08 56 4c 4d 53 4c 4c 33 30" "$(head -c 9 "$lib" | od -An -tx1 | xargs)"
expect "strlib list" $'0\t0a\t0\tAlert box\t3\n1\t0a\t0\t\xcf\xf0\xe8\t3' "$("$cli" strlib list "$lib")"
expect "strlib cat" "$(printf 'alert(1);\r\n\r\nx\r\n' | od -c)" "$("$cli" strlib cat "$lib" 1 | od -c)"
"$cli" strlib cat "$lib" 2 >/dev/null 2>&1
expect "strlib cat out of range" 1 "$?"

head -c 100 /dev/zero | tr '\0' 'x' > "$dir/run.txt"
"$cli" strlib compress "$dir/run.txt" "$dir/run.z"
expect "compress bytes" "40 80 00 00 00 54 78" "$(od -An -tx1 "$dir/run.z" | xargs)"
"$cli" strlib decompress "$dir/run.z" "$dir/run.out"
cmp -s "$dir/run.txt" "$dir/run.out" || { echo "FAIL decompress round trip"; failures=$((failures + 1)); }

printf 'not a library' > "$dir/bad.velmora"
"$cli" strlib list "$dir/bad.velmora" >/dev/null 2>&1
expect "strlib bad signature" 1 "$?"
"$cli" strlib frobnicate >/dev/null 2>&1
expect "strlib usage" 1 "$?"

finish
