#!/usr/bin/env bash
# Creates (once) the Wine prefix that the Windows tests and the program run in, for the architecture in
# MORVANE_WINE_ARCH (win32 by default, or win64; see tools/wine-env.sh).
#   - no display needed: the null graphics driver, unless MORVANE_WINE_GRAPHICS=x11 (screenshots)
#   - a crash exits at once (no debugger that would hang the run)
#   - "Courier New" is drawn with Liberation Mono, as the dialog font expects a fixed pitch
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
morvane_wine_env
graphics="${MORVANE_WINE_GRAPHICS:-null}"
stamp="$WINEPREFIX/.morvane-$graphics"

mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9

if [ ! -f "$stamp" ]; then
  if [ ! -f "$WINEPREFIX/.morvane-ready" ]; then
    rm -rf "$WINEPREFIX"
    "$morvane_wine" wineboot --init </dev/null >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.morvane-ready"
  fi
  rm -f "$WINEPREFIX"/.morvane-null "$WINEPREFIX"/.morvane-x11
  reg=$(mktemp --suffix=.reg)
  if [ "$graphics" = null ]; then driver='"Graphics"="null"'; else driver='"Graphics"="x11"'; fi
  cat >"$reg" <<REG
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\Drivers]
$driver

[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\AeDebug]
"Debugger"=""
"Auto"="1"

[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]
"Courier New"="Liberation Mono"
REG
  "$morvane_wine" regedit /S "$("$morvane_wine" winepath -w "$reg" 2>/dev/null)" </dev/null >/dev/null 2>&1
  wineserver -k || true
  wineserver -w
  rm -f "$reg"
  touch "$stamp"
fi
