#!/usr/bin/env bash
# Runs one Windows program under Wine in the project's test prefix (see tools/wine-prefix.sh).
set -eu
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
"$here/../tools/wine-prefix.sh"
export WINEPREFIX="${MORVANE_WINEPREFIX:-$HOME/.cache/morvane-wine}"
# The tests expect the Western code page (bytes 1-255 round-trip through the controls).
export LANG=C LC_ALL=C
export WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
exec wine "$@"
