#!/usr/bin/env bash
# Warnings stop the build: WarningProbe.cpp, built with the project's flags, must not compile, and
# the compiler must stop on each of its marked lines, one for each kind of warning the build
# enables. Dropping -Werror or any of those warning flags makes this fail.
# Usage: WarningsAreErrors.sh BUILD_DIR
set -euo pipefail
source "$(dirname "$0")/../../scripts/require.sh"
require test cmake

build=$1
probe=$(dirname "$0")/WarningProbe.cpp
status=0
output=$(cmake --build "$build" --target warning_probe 2>&1) || status=$?
[ "$status" -ne 0 ] || { printf 'FAIL: the probe compiled:\n%s\n' "$output" >&2; exit 1; }
for line in $(grep -n -- '// -W' "$probe" | cut -d: -f1); do
  grep -q "WarningProbe\.cpp:$line:[0-9]*: error:" <<<"$output" ||
    { printf 'FAIL: no error on line %s of the probe:\n%s\n' "$line" "$output" >&2; exit 1; }
done
echo "PASS: each kind of warning that the build enables stops it"
