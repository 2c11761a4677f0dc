#!/usr/bin/env bash
# Installs everything the build, the tests and the program need on a Debian 12 machine (run as root).
# Safe to run again: packages already present are skipped by apt-get.
set -euo pipefail

packages=(
  build-essential cmake ninja-build git
  libgtest-dev googletest libbenchmark-dev libgmp-dev
  g++-multilib libbenchmark-dev:i386 libgmp-dev:i386
  clang-14 libclang-rt-14-dev
  g++-mingw-w64-i686 mingw-w64-tools
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
  wine wine32:i386 wine64
  xvfb xauth fonts-liberation imagemagick
  man-db groff-base
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

export DEBIAN_FRONTEND=noninteractive
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
apt-get update -q
apt-get install -y -q --no-install-recommends "${missing[@]}"
