#!/usr/bin/env bash
# Builds the libFuzzer targets in fuzz/ with clang and runs each for SECONDS
# (default 30) on a copy of its seed corpus. Prints executions per second and
# the total per target, the reproducer of any finding, and "N passed, N failed".
set -uo pipefail
seconds=${1:-30}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/fuzz

CC=clang-14 CXX=clang++-14 cmake -S "$root/fuzz" -B "$build" -G Ninja -DLUMO_FUZZ=ON \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null || exit 2
cmake --build "$build" -j2 || exit 2

passed=0
failed=0
for corpus in "$root"/fuzz/corpus/*/; do
  name=$(basename "$corpus")
  fuzzer=$build/${name}Fuzzer
  work=$build/run/$name
  rm -rf "$work"
  mkdir -p "$work/corpus" "$work/artifacts"
  cp -r "$corpus". "$work/corpus/" # new units go to the copy, never the seeds
  log=$work/log
  QT_QPA_PLATFORM=offscreen "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 \
    -rss_limit_mb=4096 -artifact_prefix="$work/artifacts/" "$work/corpus" >"$log" 2>&1
  status=$?
  units=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  reproducer=$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$log" | tail -1)
  if [ "$status" -eq 0 ] && [ -z "$reproducer" ]; then
    passed=$((passed + 1))
    printf '%-12s ok      %8s exec/s %12s executions\n' "$name" "${rate:-?}" "${units:-?}"
  else
    failed=$((failed + 1))
    printf '%-12s FAILED  %8s exec/s %12s executions (exit %s)\n' "$name" "${rate:-?}" "${units:-?}" "$status"
    printf '  reproducer: %s\n  log: %s\n' "${reproducer:-none written}" "$log"
    grep -m1 -E 'ERROR: |runtime error|check failed' "$log" | sed 's/^/  /'
  fi
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
