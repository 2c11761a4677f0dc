# Sourced (not run) by cmake/wine-run.sh, tools/wine-prefix.sh and tools/test-all.sh: which Wine runs
# the Windows programs, in which prefix, for one architecture.
#
# MORVANE_WINE_ARCH selects the architecture: win32 (the default, the i686 build) or win64 (the x86_64
# build). Each has its own prefix, $HOME/.cache/morvane-wine and $HOME/.cache/morvane-wine64, unless
# MORVANE_WINEPREFIX names one.

# Exit code of cmake/wine-run.sh when this machine cannot run the program at all; the cross builds give
# it to their tests as SKIP_RETURN_CODE (cmake/MorvaneTesting.cmake).
MORVANE_WINE_SKIP_CODE=77

# Exports WINEPREFIX, WINEARCH, WINEDEBUG, WINEDLLOVERRIDES and sets morvane_wine, the command that runs
# a Windows program of that architecture.
morvane_wine_env() {
  case "${MORVANE_WINE_ARCH:-win32}" in
    win32)
      morvane_wine=wine
      export WINEPREFIX="${MORVANE_WINEPREFIX:-$HOME/.cache/morvane-wine}" WINEARCH=win32
      ;;
    win64)
      # Debian's "wine" front end takes the 32-bit loader whenever it is installed, even where it cannot
      # start; the 64-bit loader is called by name, and started again by Wine for child processes.
      morvane_wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
      export WINEPREFIX="${MORVANE_WINEPREFIX:-$HOME/.cache/morvane-wine64}" WINEARCH=win64
      export WINELOADER="$morvane_wine"
      ;;
    *)
      echo "MORVANE_WINE_ARCH must be win32 or win64, not '${MORVANE_WINE_ARCH}'" >&2
      return 2
      ;;
  esac
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
}

# Succeeds, printing why, when this machine cannot start 32-bit programs; fails silently when it can.
# Kernels built or booted without IA-32 emulation run 64-bit programs only: there the 32-bit Wine loader,
# like every i386 program, fails with "Exec format error" (exit 126 from the shell). Anything else (Wine
# missing, a broken prefix) is not a reason to skip and is left to fail where it happens.
morvane_wine32_blocked() {
  local out rc=0
  out=$(wine --version 2>&1 </dev/null) || rc=$?
  if [ "$rc" -ne 0 ] && { [ "$rc" -eq 126 ] || [[ $out == *"Exec format error"* ]]; }; then
    echo "this machine cannot run 32-bit programs (${out##*$'\n'})"
    return 0
  fi
  return 1
}
