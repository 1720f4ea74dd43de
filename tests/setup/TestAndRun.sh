#!/usr/bin/env bash
# The two scripts that users and CI trust, each run in a copy of its own.
# ./test, with stand-ins for every tool it calls, exits with 0 when every step passes, and with
# another code when any one fails: the set-up, a preset's configure, build or tests, the fuzz
# build, a fuzz target or its seed writer, or a fuzz build that leaves no fuzz target at all.
# ./run, with the real cmake and presets on a stand-in project, where every preset's build
# directory already holds a stale program, starts the program that it has just built. And on a
# build without tests, each test preset fails rather than pass having run nothing.
# Usage: TestAndRun.sh SOURCE_DIR
set -euo pipefail
top=$1
source "$top/scripts/require.sh"
require test cmake ctest ninja

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Says what failed, then the files that tell more.
fail() {
  echo "FAIL: $1" >&2
  sed 's/^/  /' "${@:2}" >&2
  exit 1
}

# The set-up, every tool that ./test calls and the fuzz targets that the fuzz build leaves are
# this stand-in: it notes its call in $CALLS and fails if the call starts with $FAIL. The fuzz
# build leaves its targets even when it fails, as an earlier build would have.
cat >"$work/stand-in" <<'EOF'
#!/usr/bin/env bash
call="${0##*/} $*"
echo "$call" >>"$CALLS"
if [[ $call == "cmake --build --preset fuzz"* && $FAIL != "no fuzz target" ]]; then
  mkdir -p build/fuzz/fuzz
  cp "$0" build/fuzz/fuzz/OneFuzzer
  cp "$0" build/fuzz/fuzz/OneFuzzerSeeds
fi
[[ $call != "$FAIL"* ]] || exit 1
EOF
chmod +x "$work/stand-in"
mkdir "$work/bin"
for tool in cmake ctest ninja clang++; do cp "$work/stand-in" "$work/bin/$tool"; done

# Copies the script $1 and the scripts it calls to a new tree, the set-up as a stand-in, and
# prints the tree's path.
copy_of() {
  local tree
  tree=$(mktemp -d "$work/tree.XXXX")
  mkdir "$tree/scripts"
  cp "$top/$1" "$tree/"
  cp "$top/scripts/require.sh" "$top/scripts/fuzz.sh" "$tree/scripts/"
  cp "$work/stand-in" "$tree/scripts/install-deps.sh"
  echo "$tree"
}

# --- ./test -----------------------------------------------------------------------------------

# ./test, with the step that starts with $2 failing, must exit with 0 ("passes") or not ("fails").
check_test() {
  local want=$1 step=$2 tree status=0 outcome=passes
  tree=$(copy_of test)
  env PATH="$work/bin:$PATH" FAIL="$step" CALLS="$tree/calls" "$tree/test" >"$tree/log" 2>&1 ||
    status=$?
  [ "$status" -eq 0 ] || outcome=fails
  [ "$outcome" = "$want" ] ||
    fail "./test $outcome (exit code $status) where \"$step\" fails; its output, then the calls:" \
      "$tree/log" "$tree/calls"
}

check_test passes "no step"
for preset in release sanitize; do
  for step in "cmake --preset $preset" "cmake --build --preset $preset" "ctest --preset $preset"; do
    check_test fails "$step"
  done
done
for step in install-deps.sh "cmake --preset fuzz" "cmake --build --preset fuzz" OneFuzzerSeeds \
  "OneFuzzer " "no fuzz target"; do
  check_test fails "$step"
done

# --- ./run and the test presets, on a stand-in project ----------------------------------------

# The stand-in's program stands where the real one does, and says that it is the one just built.
tree=$(copy_of run)
cp "$top/CMakePresets.json" "$tree/"
mkdir "$tree/app"
printf '#!/bin/sh\necho "the program just built"\n' >"$tree/app/program"
chmod +x "$tree/app/program"
cat >"$tree/CMakeLists.txt" <<'EOF'
cmake_minimum_required(VERSION 3.25)
project(StandIn NONE)
enable_testing()
add_subdirectory(app)
EOF
cat >"$tree/app/CMakeLists.txt" <<'EOF'
add_custom_target(conjugation-viewer ALL COMMAND ${CMAKE_COMMAND} -E copy
  ${CMAKE_CURRENT_SOURCE_DIR}/program ${CMAKE_CURRENT_BINARY_DIR}/conjugation-viewer)
EOF
# Each preset's build directory holds a stale program.
while read -r build; do
  mkdir -p "$tree/$build/app"
  printf '#!/bin/sh\necho "a stale program in %s"\n' "$build" >"$tree/$build/app/conjugation-viewer"
  chmod +x "$tree/$build/app/conjugation-viewer"
done < <(sed -n 's|.*"binaryDir": *"\${sourceDir}/\([^"]*\)".*|\1|p' "$tree/CMakePresets.json")

status=0
env FAIL="no step" CALLS="$tree/calls" "$tree/run" >"$tree/log" 2>&1 || status=$?
[ "$status" -eq 0 ] && [ "$(tail -n 1 "$tree/log")" = "the program just built" ] ||
  fail "./run did not start the program it built (exit code $status):" "$tree/log"

# The stand-in project has no tests: a test preset that finds none fails.
cd "$tree"
for preset in release sanitize; do
  cmake --preset "$preset" >log 2>&1 || fail "cannot configure the preset $preset:" log
  ! ctest --preset "$preset" >log 2>&1 || fail "ctest --preset $preset passed without any test:" log
done

echo "PASS: ./test fails when any of its steps fails; ./run starts the program it built;" \
  "a test preset without tests fails"
