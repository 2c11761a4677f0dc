#!/usr/bin/env bash
# The console program as a user of a release first tries it: its version, a few conversions through a
# pipe, and a refused input with its exit status.
# Usage: cli_smoke.sh VERSION PROGRAM [RUNNER ...]
# RUNNER (the Wine wrapper for a Windows build) runs PROGRAM; when it exits with the skip code of
# tools/wine-env.sh (the machine cannot run the program at all), so does this script.
set -u
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../../tools/wine-env.sh"
version=$1 program=$2
shift 2
runner=("$@")

# arguments | standard input | standard output expected (CR LF read as LF) | exit status expected
cases=(
  "--version||morvane-cli $version|0"
  "--from hex --to 10|FF|255|0"
  "--from 10 --to hex|255|FF|0"
  "--from raw --to hex|Morvane|4D6F7276616E65|0"
  "--from hex --to 36|0100|74|0"
  "--from hex --to 10|GG||1"
  "--from raw --to base64|hello|aGVsbG8=|0"
)

out=$(mktemp)
trap 'rm -f "$out"' EXIT
failures=0
for entry in "${cases[@]}"; do
  IFS='|' read -r arguments input expected expected_status <<<"$entry"
  # shellcheck disable=SC2086  # the arguments are words
  printf '%s' "$input" | "${runner[@]}" "$program" $arguments >"$out" 2>/dev/null
  status=${PIPESTATUS[1]}
  output=$(tr -d '\r' <"$out")
  if [ "$status" -eq "$MORVANE_WINE_SKIP_CODE" ] && [ ${#runner[@]} -gt 0 ]; then
    echo "skipped: the runner cannot start $program"
    exit "$MORVANE_WINE_SKIP_CODE"
  fi
  if [ "$output" != "$expected" ] || [ "$status" -ne "$expected_status" ]; then
    echo "FAIL: '$input' | morvane-cli $arguments gave '$output' (exit $status), expected '$expected' (exit $expected_status)"
    failures=$((failures + 1))
  fi
done
echo "$(( ${#cases[@]} - failures )) passed, $failures failed"
[ "$failures" -eq 0 ]
