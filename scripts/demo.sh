#!/usr/bin/env bash
# Builds the Windows modules, lays out the sample installation, registers it in the
# private Wine prefix and runs kova-host.exe against it with tracing on.
#   scripts/demo.sh [kova-host options, default: --steps=init,show:5,uninit]
# (show:3 opens the uninstall wizard, which waits for someone to answer it.)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

"$root/scripts/setup.sh"
cmake --preset win64 >/dev/null
cmake --build --preset win64
cmake --build --preset win64 --target sample_install >/dev/null

cleanup() { "$root/scripts/wine-session.sh" stop >/dev/null 2>&1 || true; }
trap cleanup EXIT
eval "$("$root/scripts/wine-session.sh" env)"

install_dir=$root/build/win64/install
windows_dir="Z:$(echo "$install_dir" | tr / '\\')\\"
key='HKLM\SOFTWARE\Orvane Software\Setup'
wine reg add "$key" /v Path /t REG_SZ /d "$windows_dir" /f </dev/null >/dev/null 2>&1
wine reg add "$key" /v Language /t REG_SZ /d English /f </dev/null >/dev/null 2>&1

echo "== sample installation: $install_dir (registered as $windows_dir, English)"
options=${*:---steps=init,show:5,uninit}
cd "$install_dir"
# The host's output goes through a file: Wine's helper processes would otherwise keep
# a pipe to this script open.
KOVA_TRACE=1 KOVA_HOST_OPTIONS="$options" wine ./kova-host.exe </dev/null >"$root/build/demo.log" 2>&1 || status=$?
tr -d '\r' <"$root/build/demo.log"
exit "${status:-0}"
