#!/usr/bin/env bash
# Builds everything and runs every test: formatting, the native build, the sanitizer
# build with bounded fuzzer runs, and the Windows build under Wine.
#   scripts/test.sh [native|native-asan|win64 ...]   (default: all three)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

"$root/scripts/setup.sh"
"$root/scripts/check-format.sh"

presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(native native-asan win64)

cleanup() { "$root/scripts/wine-session.sh" stop >/dev/null 2>&1 || true; }
trap cleanup EXIT

failed=()
for preset in "${presets[@]}"; do
  echo "== $preset =="
  cmake --preset "$preset" -DKOVA_WERROR=ON >/dev/null
  if ! cmake --build --preset "$preset"; then
    failed+=("$preset (build)")
    continue
  fi
  if [ "$preset" = win64 ]; then
    cmake --build --preset win64 --target sample_install >/dev/null 2>&1 || true
    "$root/scripts/wine-session.sh" start
  fi
  ctest --preset "$preset" || failed+=("$preset")
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "FAILED: ${failed[*]}"
  exit 1
fi
echo "all test presets passed: ${presets[*]}"
