#!/usr/bin/env bash
# Builds the libFuzzer targets (clang 14, ASan + UBSan) and runs each for a bounded time on its committed
# corpus. New inputs go to build/fuzz/corpus-<target>, crashes to build/fuzz/artifacts/.
# Usage: bash tools/fuzz.sh [seconds per target, default 60] [target ...]
# To fuzz longer, e.g. an hour per target: bash tools/fuzz.sh 3600
# A crash found becomes a regression input: copy the artifact into tests/fuzz/regressions/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for src in tests/fuzz/fuzz_*.cpp; do targets+=("$(basename "$src" .cpp)"); done
fi

mkdir -p build/fuzz/artifacts
status=0
for t in "${targets[@]}"; do
  [ -x "build/fuzz/tests/fuzz/$t" ] || { echo "$t: not built"; status=1; continue; }
  mkdir -p "build/fuzz/corpus-$t" "tests/fuzz/corpus/$t"
  echo "== $t for ${seconds}s"
  if ! "build/fuzz/tests/fuzz/$t" -max_total_time="$seconds" -rss_limit_mb=4096 -timeout=30 \
       -print_final_stats=1 -artifact_prefix="build/fuzz/artifacts/$t-" \
       "build/fuzz/corpus-$t" "tests/fuzz/corpus/$t" 2>"build/fuzz/$t.log"; then
    echo "$t: FAILED (see build/fuzz/$t.log and build/fuzz/artifacts/)"
    tail -40 "build/fuzz/$t.log"
    status=1
  else
    grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)|cov:' "build/fuzz/$t.log" | tail -4
  fi
done
exit $status
