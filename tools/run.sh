#!/usr/bin/env bash
# Builds the 32-bit Windows program and opens it under Wine.
# Usage (as root on Debian 12): bash tools/run.sh
# With no DISPLAY, the window opens on a virtual X screen (Xvfb :77) and a screenshot is saved to
# build/morvane-screen.png after a few seconds.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target Morvane

export MORVANE_WINEPREFIX="$HOME/.cache/morvane-wine-x11" MORVANE_WINE_GRAPHICS=x11
export WINEPREFIX="$MORVANE_WINEPREFIX" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

if [ -z "${DISPLAY:-}" ]; then
  echo "No DISPLAY: opening the window on a virtual screen (Xvfb :77)."
  Xvfb :77 -screen 0 1024x768x24 >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb 2>/dev/null || true' EXIT
  export DISPLAY=:77
  sleep 1
  bash tools/wine-prefix.sh
  wine build/win32/Morvane.exe &
  program=$!
  sleep 6
  import -window root build/morvane-screen.png && echo "Screenshot: build/morvane-screen.png"
  echo "Morvane is running (pid $program); close it with Ctrl+C."
  wait $program
else
  bash tools/wine-prefix.sh
  exec wine build/win32/Morvane.exe
fi
