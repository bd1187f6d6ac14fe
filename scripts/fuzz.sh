#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for SECONDS (default 60).
# Usage: scripts/fuzz.sh [SECONDS] [TARGET-NAME-FILTER]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
filter=${2:-}
if ! command -v clang++ >/dev/null; then
  echo "clang++ not found: fuzz targets skipped"
  exit 0
fi
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
mapfile -t targets < <(find build/fuzz/fuzz -maxdepth 3 -type f -executable -name 'fuzz_*' | sort)
for t in "${targets[@]}"; do
  name=$(basename "$t")
  [[ -z "$filter" || "$name" == *"$filter"* ]] || continue
  seeds="fuzz/seeds/$name"
  work="build/fuzz/corpus/$name"
  mkdir -p "$work"
  echo "== $name for ${seconds}s"
  args=("$work")
  [ -d "$seeds" ] && args+=("$seeds")
  log="build/fuzz/$name.log"
  rc=0
  "$t" -max_total_time="$seconds" -print_final_stats=1 "${args[@]}" >"$log" 2>&1 || rc=$?
  grep -E '^stat::number_of_executed_units|SUMMARY|ERROR' "$log" || true
  [ "$rc" -eq 0 ] || { tail -40 "$log"; echo "$name failed"; exit 1; }
done
