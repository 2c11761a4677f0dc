#!/usr/bin/env bash
# Builds every preset and runs every test: natively, under the sanitizers, and as 32-bit Windows
# programs under Wine; then runs each fuzz target briefly on its corpus. Where this machine cannot start
# 32-bit programs, the win32 tests that need Wine are skipped and the same tests also run as 64-bit
# programs under 64-bit Wine (win64).
# Usage (as root on Debian 12): bash tools/test-all.sh
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
start=$(date +%s)

presets=(native asan win32)
source tools/wine-env.sh
if reason=$(morvane_wine32_blocked); then
  echo "== $reason: the win32 tests under Wine are skipped; win64 runs them as 64-bit programs under 64-bit Wine"
  presets+=(win64)
fi

for preset in "${presets[@]}"; do
  echo "== $preset: configure and build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done

status=0
for preset in "${presets[@]}"; do
  echo "== $preset: tests"
  ctest --preset "$preset" || status=1
done

if [ -x tools/fuzz.sh ]; then
  echo "== fuzzing (short runs on the committed corpora)"
  bash tools/fuzz.sh "${MORVANE_FUZZ_SECONDS:-60}" || status=1
fi

echo "== all done in $(( $(date +%s) - start )) s, status $status"
exit $status
