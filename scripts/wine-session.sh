#!/usr/bin/env bash
# One Wine session for a whole test or demo run: a private prefix, one Xvfb display
# and a persistent wineserver, so each Windows process starts in a fraction of a second.
# The prefix is a 64-bit one with 32-bit support, so the 32-bit and the 64-bit builds
# run in the same session and see the same registry.
#   wine-session.sh start   (idempotent; prints nothing on success)
#   wine-session.sh stop
#   wine-session.sh env     (prints the variables to export)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
state=${KOVA_WINE_STATE:-$root/build/wine}
export WINEPREFIX=${WINEPREFIX:-$state/prefix}
export WINEDEBUG=-all
export WINEARCH=win64
mkdir -p "$state"

print_env() {
  echo "export WINEPREFIX='$WINEPREFIX' WINEDEBUG=-all WINEARCH=win64 DISPLAY=':$(cat "$state/display")'"
}

# The wineserver of this prefix (other prefixes on the machine have their own) works in
# a folder named after the prefix's device and inode.
server_running() {
  local id pid
  id="server-$(stat -c %D "$WINEPREFIX")-$(printf %x "$(stat -c %i "$WINEPREFIX")")"
  for pid in $(pgrep wineserver || true); do
    case "$(readlink "/proc/$pid/cwd" 2>/dev/null)" in */"$id") return 0 ;; esac
  done
  return 1
}

start() {
  exec 9>"$state/lock"
  flock 9
  # Xvfb on a free display.
  if [ -f "$state/display" ] && [ -f "$state/xvfb.pid" ] && kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null; then
    :
  else
    local d=91
    while [ -e "/tmp/.X11-unix/X$d" ] || [ -e "/tmp/.X$d-lock" ]; do d=$((d + 1)); done
    Xvfb ":$d" -screen 0 1280x1024x24 -nolisten tcp >"$state/xvfb.log" 2>&1 9>&- &
    echo $! >"$state/xvfb.pid"
    echo "$d" >"$state/display"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$d" ] && break; sleep 0.1; done
  fi
  export DISPLAY=":$(cat "$state/display")"
  # A prefix made before 32-bit Wine was installed lacks the 32-bit system; updating
  # it adds that.
  if [ ! -f "$WINEPREFIX/.kova-ready-wow64" ]; then
    local mode=-i
    [ -f "$WINEPREFIX/.kova-ready" ] && mode=-u
    WINEDLLOVERRIDES="mscoree,mshtml=" wineboot "$mode" >"$state/wineboot.log" 2>&1 9>&- || true
    wineserver -w 9>&-
    touch "$WINEPREFIX/.kova-ready" "$WINEPREFIX/.kova-ready-wow64"
  fi
  # Persistent wineserver and Wine's own services for the rest of the session. They
  # outlive this script, so they get neither the lock nor the caller's output pipes
  # (CTest would otherwise wait for those pipes to close).
  if [ ! -f "$state/server.started" ] || ! server_running; then
    wineserver -p </dev/null >/dev/null 2>&1 9>&- || true
    wine cmd /c exit </dev/null >/dev/null 2>&1 9>&- || true
    touch "$state/server.started"
  fi
  # A test program that crashes ends with its backtrace on the console instead of
  # waiting for someone to close the crash dialog (the run would hang until its limit).
  if [ ! -f "$WINEPREFIX/.kova-auto-debug" ]; then
    local view
    for view in /reg:64 /reg:32; do
      wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Auto \
        /t REG_SZ /d 1 /f "$view" </dev/null >/dev/null 2>&1 9>&- || true
    done
    touch "$WINEPREFIX/.kova-auto-debug"
  fi
}

stop() {
  if [ -d "$WINEPREFIX" ]; then wineserver -k 2>/dev/null || true; fi
  if [ -f "$state/xvfb.pid" ]; then
    kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
    rm -f "$state/xvfb.pid" "$state/display"
  fi
}

case "${1:-}" in
  start) start ;;
  stop) stop ;;
  env) start; print_env ;;
  *) echo "usage: $0 start|stop|env" >&2; exit 2 ;;
esac
