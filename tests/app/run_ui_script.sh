#!/usr/bin/env bash
# Runs one window-driver script in a fresh folder (the script's data/ copied
# in, a fresh program directory) and compares what it printed, followed by
# every page file it wrote, with the expected NAME.out beside it. Script
# lines "#$ COMMAND" are run by the shell in that folder first (the driver
# skips them as comments). On a mismatch the actual output is written as
# NAME.out.new. A setup that writes the file "update-url" points the update
# window at that address.
set -uo pipefail
cli=$1
script=$2
expected=${script%.ui}.out
work=$(mktemp -d)
# A server a setup started in the background (it wrote server.pid) ends with the run.
trap '[ -f "$work/server.pid" ] && kill "$(cat "$work/server.pid")" 2>/dev/null; rm -rf "$work"' EXIT
cp -a "$(dirname "$script")/data" "$work/data"
cd "$work"
{ grep '^#\$ ' "$script" || true; } | cut -c4- | bash -e || { echo "setup of $script failed"; exit 1; }
touch -d '-1 second' "$work/.start"
extra=()
if [ -f "$work/update-url" ]; then
  extra=(--update-url "$(cat "$work/update-url")")
  # Downloads go to the run's own folder.
  mkdir -p "$work/tmp"
  export TMPDIR="$work/tmp"
fi
"$cli" ui --program-dir "$work/program" --size 1000x700 "${extra[@]}" "$script" >"$work/stdout" 2>"$work/stderr"
code=$?
{
  cat "$work/stdout"
  # The driver's own errors only, not the toolkit's chatter.
  grep -E '^(line [0-9]+:|usage:|tessaly-cli:)' "$work/stderr" | sed 's/^/! /'
  [ "$code" -eq 0 ] || echo "exit $code"
  # Page files the script wrote or changed, byte by byte (\r shown, $ at each LF).
  find -L . -name '*.htm' -type f -newer "$work/.start" | sort | while read -r f; do
    if [ -L "$f" ]; then echo "== ${f#./} (link to $(readlink "$f"))"; else echo "== ${f#./}"; fi
    sed -n 'l 0' "$f"
  done
} | sed "s|$work|<TMP>|g" >"$work/actual"
if ! diff -u "$expected" "$work/actual"; then
  cp "$work/actual" "$expected.new"
  exit 1
fi
