#!/usr/bin/env bash
# Builds the .deb, unpacks it into a scratch root and runs the unpacked
# editor's window driver as a user on a first start: the per-user program
# directory is made and seeded from the package's share/tessaly, and a New
# and a Save work in it.
set -uo pipefail
build=$1
script=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$*"; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$(echo "$work"/package/*.deb)
[ -f "$deb" ] || fail "cpack made no .deb"
# The dependencies come from the executables' shared libraries.
depends=$(dpkg-deb -f "$deb" Depends)
for package in libc6 libqt6widgets6 libqt6webenginewidgets6 zlib1g; do
  grep -q "\b$package\b" <<<"$depends" || fail "Depends lacks $package: $depends"
done
dpkg-deb -c "$deb" >"$work/contents"
grep -q '\./usr/share/applications/org\.example\.tessaly\.Tessaly\.desktop$' "$work/contents" ||
  fail "the package has no desktop entry"
dpkg -x "$deb" "$work/root"

export HOME=$work/home XDG_DATA_HOME=$work/home/data XDG_CONFIG_HOME=$work/home/config
export XDG_CACHE_HOME=$work/home/cache XDG_RUNTIME_DIR=$work/home/runtime
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
cd "$HOME"
"$work/root/usr/bin/tessaly-cli" ui --size 1000x700 "$script" >"$work/stdout" 2>"$work/stderr" ||
  { cat "$work/stdout" "$work/stderr"; fail "the installed window driver failed"; }

programDir=$XDG_DATA_HOME/tessaly
# Every shipped file is copied; the editor adds its own (the language choice, the page).
shipped=$work/root/usr/share/tessaly
[ -n "$(find "$shipped" -type f)" ] || fail "the package ships no data"
(cd "$shipped" && find . -type f) | while read -r f; do
  cmp "$shipped/$f" "$programDir/$f" || fail "$f was not seeded"
done || exit 1
expected="filename \"$programDir/Untitled.htm\"
modified false"
[ "$(grep -v '^dialog ' "$work/stdout")" = "$expected" ] || { cat "$work/stdout"; fail "unexpected driver output"; }
grep -q '<p>installed</p>' "$programDir/Untitled.htm" || fail "the saved page lacks the typed line"
echo "$(basename "$deb"): $(du -k "$deb" | cut -f1) KiB"
