#!/usr/bin/env bash
# Anything but one page name on tessaly's command line prints the usage line
# on stderr and ends with a non-zero code, without opening the window.
set -uo pipefail
tessaly=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
check() {
  timeout 60 "$tessaly" "$@" >"$work/stdout" 2>"$work/stderr"
  local code=$?
  # The toolkit may add its own warnings; the usage is one line of its own.
  if [ "$code" -eq 0 ] || [ "$code" -eq 124 ] || ! grep -qx 'usage: tessaly \[FILE\]' "$work/stderr" || [ -s "$work/stdout" ]; then
    echo "tessaly $*: exit $code, stderr:"; cat "$work/stderr"
    failed=1
  fi
}
check --foo
check --help
check -x page.htm
check page.htm other.htm
check ""
exit $failed
