#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each one.
# Usage: scripts/fuzz.sh short|long   (short: a fixed small number of runs, for ./test)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/require.sh

mode=${1:-short}
case "$mode" in
  short) runs=20000 ;;
  long) runs=1000000 ;;
  *) echo "usage: $0 short|long" >&2; exit 2 ;;
esac

require test cmake ninja clang++

echo "== fuzz build"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"

status=0
ran=0
for fuzzer in build/fuzz/fuzz/*Fuzzer; do
  [ -x "$fuzzer" ] || continue
  ran=$((ran + 1))
  name=$(basename "$fuzzer")
  corpus=$(mktemp -d)
  written=$(mktemp -d)
  seeds=fuzz/corpus/$name
  writer=build/fuzz/fuzz/${name}Seeds  # writes seeds that come from the program itself
  dictionary=fuzz/$name.dict
  args=(-runs="$runs" -seed=1 -max_len=4096)
  [ -f "$dictionary" ] && args+=(-dict="$dictionary")
  seed_dirs=()
  [ -d "$seeds" ] && seed_dirs+=("$seeds")
  if [ -x "$writer" ]; then
    "$writer" "$written" || status=1
    seed_dirs+=("$written")
  fi
  echo "== $name: $runs runs"
  log=$(mktemp)
  if "$fuzzer" "${args[@]}" "$corpus" "${seed_dirs[@]}" >"$log" 2>&1; then
    grep -E '^#[0-9]+[[:space:]]+(INITED|DONE)|^Done ' "$log" || true
  else
    tail -n 60 "$log"
    status=1
  fi
  rm -rf "$corpus" "$written" "$log"
done
# A fuzz pass that ran no target has tested nothing.
[ "$ran" -gt 0 ] || { echo "the fuzz build left no fuzz target in build/fuzz/fuzz" >&2; status=1; }
exit "$status"
