#!/usr/bin/env bash
# The native install as a Linux user gets it: "cmake --install" into an empty prefix puts there the
# console program and its manual page and nothing else; the program runs from there, and man renders
# the page without a warning.
# Usage: check_install.sh CMAKE BUILD_DIR VERSION
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cmake=$1 build=$2 version=$3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

"$cmake" --install "$build" --prefix "$prefix" >/dev/null
installed=$(cd "$prefix" && find . ! -type d | sort)
expected=$'./bin/morvane-cli\n./share/man/man1/morvane-cli.1'
if [ "$installed" != "$expected" ]; then
  echo "FAIL: installed files:"; echo "$installed"; echo "expected exactly:"; echo "$expected"
  exit 1
fi

bash "$here/cli_smoke.sh" "$version" "$prefix/bin/morvane-cli"

page="$prefix/share/man/man1/morvane-cli.1"
rendered=$(MANWIDTH=80 man --warnings -l "$page" 2>"$prefix/man-warnings")
if [ -s "$prefix/man-warnings" ]; then
  echo "FAIL: man warns about $page:"; cat "$prefix/man-warnings"
  exit 1
fi
if ! grep -q '^NAME' <<<"$rendered" || ! grep -q 'morvane-cli' <<<"$rendered"; then
  echo "FAIL: man rendered no NAME section for morvane-cli:"; echo "$rendered" | head -20
  exit 1
fi
echo "installed: bin/morvane-cli, share/man/man1/morvane-cli.1; the page renders without warnings"
