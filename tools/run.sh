#!/usr/bin/env bash
# Builds the 32-bit Windows program and opens it under Wine. On a machine that cannot start 32-bit
# programs at all, the same program built for x86_64 opens under 64-bit Wine instead.
# Usage (as root on Debian 12): bash tools/run.sh
# With no DISPLAY, the window opens on a virtual X screen (Xvfb :77) and a screenshot is saved to
# build/morvane-screen.png after a few seconds.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
source tools/wine-env.sh
preset=win32
if reason=$(morvane_wine32_blocked); then
  echo "$reason: opening the 64-bit build under 64-bit Wine."
  preset=win64
fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target Morvane

export MORVANE_WINE_ARCH="$preset" MORVANE_WINE_GRAPHICS=x11
export MORVANE_WINEPREFIX="$HOME/.cache/morvane-$preset-x11"
morvane_wine_env
program_exe="build/$preset/Morvane.exe"

if [ -z "${DISPLAY:-}" ]; then
  echo "No DISPLAY: opening the window on a virtual screen (Xvfb :77)."
  Xvfb :77 -screen 0 1024x768x24 >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb 2>/dev/null || true' EXIT
  export DISPLAY=:77
  sleep 1
  bash tools/wine-prefix.sh
  "$morvane_wine" "$program_exe" &
  program=$!
  sleep 6
  import -window root build/morvane-screen.png && echo "Screenshot: build/morvane-screen.png"
  echo "Morvane is running (pid $program); close it with Ctrl+C."
  wait $program
else
  bash tools/wine-prefix.sh
  exec "$morvane_wine" "$program_exe"
fi
