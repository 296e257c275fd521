#!/usr/bin/env bash
# Installs what a fresh machine lacks to build and test KOVAMsg, then builds the
# mingw-w64 copies of libpng and giflib for both Windows targets into .cache/ (once;
# later runs reuse them). The 32-bit build runs under 32-bit Wine, which needs the
# i386 architecture.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

packages=(
  cmake ninja-build ccache g++ clang clang-format libclang-rt-14-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  libpng-dev libgif-dev zlib1g-dev
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
  libz-mingw-w64-dev wine wine64 xvfb xauth x11-utils xdotool dpkg-dev python3
)

apt_updated=0
apt_update_once() {
  if [ "$apt_updated" = 0 ]; then
    apt-get update -qq
    apt_updated=1
  fi
}
# 32-bit Wine only where the machine runs 32-bit programs: elsewhere its loader cannot
# start, and with it installed the wine command would pick that loader for every program.
if "$root/scripts/can-run-32bit.sh"; then
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "setup: adding the i386 architecture for 32-bit Wine"
    dpkg --add-architecture i386
    apt_update_once
  fi
  packages+=(wine32:i386)
else
  echo "setup: this machine does not run 32-bit programs; the win32 tests will be skipped"
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  apt_update_once
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

"$root/scripts/build-mingw-deps.sh" x86_64-w64-mingw32
"$root/scripts/build-mingw-deps.sh" i686-w64-mingw32
