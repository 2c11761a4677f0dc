#!/usr/bin/env bash
# Creates (once) the Wine prefix that the Windows tests and the program run in.
#   - no display needed: the null graphics driver, unless MORVANE_WINE_GRAPHICS=x11 (screenshots)
#   - a crash exits at once (no debugger that would hang the run)
#   - "Courier New" is drawn with Liberation Mono, as the dialog font expects a fixed pitch
set -euo pipefail

export WINEPREFIX="${MORVANE_WINEPREFIX:-$HOME/.cache/morvane-wine}"
export WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
graphics="${MORVANE_WINE_GRAPHICS:-null}"
stamp="$WINEPREFIX/.morvane-$graphics"

mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9

if [ ! -f "$stamp" ]; then
  if [ ! -f "$WINEPREFIX/.morvane-ready" ]; then
    rm -rf "$WINEPREFIX"
    wineboot --init </dev/null >/dev/null 2>&1
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
  wine regedit /S "$(winepath -w "$reg" 2>/dev/null)" </dev/null >/dev/null 2>&1
  wineserver -k || true
  wineserver -w
  rm -f "$reg"
  touch "$stamp"
fi
