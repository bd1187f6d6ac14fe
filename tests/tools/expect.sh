# Sourced by the command-line tests: a scratch folder `dir` removed on exit,
# `expect NAME EXPECTED ACTUAL` counting failures, and `finish` to end with
# their number as the exit status.
set -u
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failures=0

expect() {  # expect NAME EXPECTED ACTUAL
  if [ "$2" != "$3" ]; then
    printf 'FAIL %s\n  expected: %q\n  actual:   %q\n' "$1" "$2" "$3"
    failures=$((failures + 1))
  fi
}

finish() {
  [ "$failures" -eq 0 ] && echo "all passed"
  exit "$failures"
}
