#!/usr/bin/env bash
# Builds everything and runs every test: formatting, the native build, the sanitizer
# build with bounded fuzzer runs, and the 64-bit and 32-bit Windows builds under Wine
# (one Wine session, one prefix and one Xvfb for both).
#   scripts/test.sh [native|native-asan|win64|win32 ...]   (default: all four)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

"$root/scripts/setup.sh"
. "$root/scripts/build-env.sh"
"$root/scripts/check-format.sh"

presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(native native-asan win64 win32)

cleanup() { "$root/scripts/wine-session.sh" stop >/dev/null 2>&1 || true; }
trap cleanup EXIT

failed=()
for preset in "${presets[@]}"; do
  echo "== $preset =="
  started=$SECONDS
  cmake --preset "$preset" -DKOVA_WERROR=ON >/dev/null
  if ! cmake --build --preset "$preset"; then
    failed+=("$preset (build)")
    continue
  fi
  if [ "$preset" = win64 ] || [ "$preset" = win32 ]; then
    cmake --build --preset "$preset" --target sample_install >/dev/null 2>&1 || true
    "$root/scripts/wine-session.sh" start
  fi
  ctest --preset "$preset" || failed+=("$preset")
  echo "== $preset took $((SECONDS - started)) s"
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "FAILED: ${failed[*]}"
  exit 1
fi
echo "all test presets passed: ${presets[*]} in $SECONDS s"
