#!/usr/bin/env bash
# Prints the machine a Windows program or library is built for: i386, amd64, or
# "unknown" for anything that is not a PE file.
set -euo pipefail
file=$1
read_hex() { od -An -tx1 -j "$1" -N "$2" "$file" 2>/dev/null | tr -d ' \n'; }
[ "$(read_hex 0 2)" = 4d5a ] || { echo unknown; exit 0; }
offset_le=$(read_hex 60 4)
offset=$((16#${offset_le:6:2}${offset_le:4:2}${offset_le:2:2}${offset_le:0:2}))
[ "$(read_hex "$offset" 4)" = 50450000 ] || { echo unknown; exit 0; }
case "$(read_hex $((offset + 4)) 2)" in
  4c01) echo i386 ;;
  6486) echo amd64 ;;
  *) echo unknown ;;
esac
