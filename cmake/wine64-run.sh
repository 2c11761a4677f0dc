#!/usr/bin/env bash
# Runs one 64-bit Windows program under 64-bit Wine, in its own prefix (see cmake/wine-run.sh).
MORVANE_WINE_ARCH=win64 exec "$(dirname "${BASH_SOURCE[0]}")/wine-run.sh" "$@"
