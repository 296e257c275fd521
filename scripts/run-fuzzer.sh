#!/usr/bin/env bash
# Bounded libFuzzer run: run-fuzzer.sh BINARY SECONDS WORKDIR [SEEDDIR]
set -euo pipefail
bin=$1 seconds=$2 work=$3 seeds=${4:-}
mkdir -p "$work"
dirs=("$work")
[ -n "$seeds" ] && [ -d "$seeds" ] && dirs+=("$seeds")
exec "$bin" -max_total_time="$seconds" -rss_limit_mb=2048 -malloc_limit_mb=512 -timeout=10 \
  -print_final_stats=0 "${dirs[@]}"
