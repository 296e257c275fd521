#!/usr/bin/env bash
# Fails when a C++ file of ours differs from what .clang-format makes of it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' '*.cc')
[ ${#files[@]} -gt 0 ] || exit 0
existing=()
for f in "${files[@]}"; do [ -f "$f" ] && existing+=("$f"); done
if ! clang-format --dry-run --Werror "${existing[@]}" 2>/tmp/kova-format.$$; then
  grep -E '^[^ ].*: (error|warning)' /tmp/kova-format.$$ | cut -d: -f1 | sort -u | sed 's/^/needs clang-format: /'
  rm -f /tmp/kova-format.$$
  echo "run: clang-format -i <files>  (or scripts/format.sh)"
  exit 1
fi
rm -f /tmp/kova-format.$$
