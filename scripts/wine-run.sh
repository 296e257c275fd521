#!/usr/bin/env bash
# Runs a Windows program under the project's Wine session (started on first use).
# CMake uses it as the cross-compiling emulator, so CTest runs the Windows tests (32-bit
# and 64-bit alike) through it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
eval "$("$root/scripts/wine-session.sh" env)"
exec wine "$@"
