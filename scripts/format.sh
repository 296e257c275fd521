#!/usr/bin/env bash
# Formats every C++ file of ours in place.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' '*.cc' | xargs -r clang-format -i
