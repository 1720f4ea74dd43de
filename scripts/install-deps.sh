#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, if any are missing.
# Usage: scripts/install-deps.sh [build|run|test]
set -euo pipefail

purpose=${1:-test}
packages=(g++ cmake ninja-build pkg-config qt6-base-dev fonts-noto-cjk)
case "$purpose" in
  run) ;;
  build) packages+=(libgtest-dev libgmock-dev libbenchmark-dev) ;;
  test)
    packages+=(libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
      xvfb xauth xdotool imagemagick x11-utils)
    ;;
  *) echo "usage: $0 [build|run|test]" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
