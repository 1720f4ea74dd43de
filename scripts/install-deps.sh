#!/usr/bin/env bash
# Installs the Debian packages that are missing for a purpose:
#   run   building and running the program;
#   test  that, and building and running every test, benchmark and fuzz target.
# Usage: scripts/install-deps.sh [run|test]
#        scripts/install-deps.sh --list [run|test]   names the purpose's packages, one a line
set -euo pipefail
source "$(dirname "$0")/require.sh"

run_packages=(g++ cmake ninja-build qt6-base-dev fonts-noto-cjk)
test_packages=("${run_packages[@]}"
  libgtest-dev libgmock-dev libbenchmark-dev # tests and benchmarks
  clang libclang-rt-14-dev                   # fuzz targets
  xvfb xdotool xclip imagemagick x11-utils x11-xkb-utils) # the program on a virtual display

list=false
if [ "${1:-}" = --list ]; then
  list=true
  shift
fi
purpose=${1:-test}
case "$purpose" in
  run) packages=("${run_packages[@]}") ;;
  test) packages=("${test_packages[@]}") ;;
  *) echo "usage: $0 [--list] [run|test]" >&2; exit 2 ;;
esac
if $list; then
  printf '%s\n' "${packages[@]}"
  exit 0
fi

require "$purpose" dpkg-query apt-get id
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
# Root installs directly; anyone else through sudo, the one tool that no set-up can install.
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  if ! type -P sudo >/dev/null; then
    echo "need root, or sudo, to install: ${missing[*]}" >&2
    exit 1
  fi
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
