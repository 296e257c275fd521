#!/usr/bin/env bash
# Runs a Windows program under the project's Wine session (started on first use).
# CMake uses it as the cross-compiling emulator, so CTest runs the Windows tests (32-bit
# and 64-bit alike) through it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# A 32-bit program on a machine that runs no 32-bit programs: CTest counts exit code 77
# as a skipped test.
if [ "$("$root/scripts/pe-machine.sh" "$1")" = i386 ] && ! "$root/scripts/can-run-32bit.sh"; then
  echo "skipped: this machine does not run 32-bit programs, so 32-bit Wine cannot start $1" >&2
  exit 77
fi
eval "$("$root/scripts/wine-session.sh" env)"
exec wine "$@"
