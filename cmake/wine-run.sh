#!/usr/bin/env bash
# Runs one Windows program under Wine in the project's test prefix (see tools/wine-prefix.sh).
# MORVANE_WINE_ARCH=win64 (as cmake/wine64-run.sh sets) runs a 64-bit program under 64-bit Wine.
# Where 32-bit programs cannot start at all, a 32-bit run says so and exits with the skip code that the
# tests of the i686 build expect (tools/wine-env.sh).
set -eu
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../tools/wine-env.sh"
morvane_wine_env
if [ "$WINEARCH" = win32 ] && reason=$(morvane_wine32_blocked); then
  echo "skipped: $reason; the win64 preset runs the Windows tests under 64-bit Wine"
  exit "$MORVANE_WINE_SKIP_CODE"
fi
"$here/../tools/wine-prefix.sh"
# The tests expect the Western code page (bytes 1-255 round-trip through the controls).
export LANG=C LC_ALL=C
if [ ! -p /dev/stdout ] && [ ! -p /dev/stderr ]; then
  exec "$morvane_wine" "$@"
fi
# Wine's background processes (its server and services, started by the first program of the prefix)
# outlive the program and keep the output they inherited. Whoever reads a pipe from here (ctest) would
# wait for them to end, which is only after the last program using the prefix, another test's included.
# So the program writes to files, passed on as it writes: what a hung test printed is still seen.
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$morvane_wine" "$@" <&0 >"$out/stdout" 2>"$out/stderr" &
program=$!
tail -s 0.1 -n +1 --pid=$program -f "$out/stdout" &
tail -s 0.1 -n +1 --pid=$program -f "$out/stderr" >&2 &
status=0
wait $program || status=$?
wait
exit "$status"
