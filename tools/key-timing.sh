#!/usr/bin/env bash
# Times keys typed by the X server into the 32-bit Morvane.exe at full capacity
# (bench/win32/key_timing.cpp): on a virtual X screen of its own (Xvfb), in a Wine prefix with the X11
# driver (by default the one tools/run.sh opens the program in, not the tests' prefix, which keeps the
# null driver). Installs xdotool when it is missing. Arguments go to the timing program, e.g.
#   cmake --preset win32 && cmake --build --preset win32 --target morvane_key_timing
#   tools/key-timing.sh -n 5 [--program OTHER/Morvane.exe] [RADIX...]
set -euo pipefail
cd "$(dirname "$0")/.."

command -v xdotool >/dev/null || apt-get install -y xdotool >/dev/null
export MORVANE_WINE_ARCH=win32 MORVANE_WINE_GRAPHICS=x11
export MORVANE_WINEPREFIX="${MORVANE_WINEPREFIX:-$HOME/.cache/morvane-win32-x11}"
source tools/wine-env.sh
morvane_wine_env
bash tools/wine-prefix.sh

out=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 3>"$out/display" >/dev/null 2>&1 &
xvfb=$!
# Wine's own processes in this prefix end before the screen they draw on.
trap 'wineserver -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true; rm -rf "$out"' EXIT
until [ -s "$out/display" ]; do sleep 0.1; done
export DISPLAY=":$(cat "$out/display")" LANG=C LC_ALL=C

# Wine's output goes to a file: its background processes would hold a pipe open (cmake/wine-run.sh).
"$morvane_wine" build/win32/bench/win32/morvane_key_timing.exe "$@" >"$out/stdout" 2>"$out/stderr" &
program=$!
tail -s 0.2 -n +1 --pid=$program -f "$out/stdout" &
shown=$!
status=0
wait $program || status=$?
wait $shown
exit "$status"
