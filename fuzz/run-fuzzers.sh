#!/usr/bin/env bash
# Runs every fuzz target of build-fuzz/ for the given number of seconds each
# (default 5), starting from its seeds in fuzz/corpus/<target>/. New inputs go
# to a throw-away folder, so the seeds stay as committed; an input that crashes
# a target is kept in build-fuzz/crashes/. Exits non-zero when any target
# crashes or finds undefined behaviour.
#   fuzz/run-fuzzers.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)
seconds=${1:-5}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for seeds in fuzz/corpus/*/; do
    targets+=("$(basename "$seeds")")
  done
fi

work=$(mktemp -d /tmp/zumerak-fuzz.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p build-fuzz/crashes
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export QT_QPA_PLATFORM=offscreen
failed=()
for target in "${targets[@]}"; do
  mkdir -p "$work/$target"
  echo "fuzz_$target: ${seconds}s"
  if ! "$top/build-fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=4096 \
      -print_final_stats=1 -artifact_prefix="$top/build-fuzz/crashes/$target-" \
      "$work/$target" "$top/fuzz/corpus/$target" >"$work/$target.log" 2>&1; then
    tail -n 60 "$work/$target.log"
    failed+=("$target")
  else
    grep -E '^stat::number_of_executed_units' "$work/$target.log" || true
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzzing found faults in: ${failed[*]} (inputs in build-fuzz/crashes/)"
  exit 1
fi
