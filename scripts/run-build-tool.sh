#!/usr/bin/env bash
# Runs one of our Windows tools during the build (dictionaries, images, the skin file).
# Their output does not depend on the build, so where this machine runs no 32-bit
# programs the 32-bit build uses the same tool from the 64-bit build (build/win64,
# which scripts/test.sh builds first).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=$1
shift
if [ "$("$root/scripts/pe-machine.sh" "$program")" = i386 ] && ! "$root/scripts/can-run-32bit.sh"; then
  program64=${program/\/build\/win32\//\/build\/win64\/}
  if [ "$program64" = "$program" ] || [ ! -f "$program64" ]; then
    echo "run-build-tool: this machine runs no 32-bit programs; build the win64 preset first" \
      "so that its $(basename "$program") can stand in" >&2
    exit 1
  fi
  program=$program64
fi
exec "$root/scripts/wine-run.sh" "$program" "$@"
