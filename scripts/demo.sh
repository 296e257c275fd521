#!/usr/bin/env bash
# Builds the 32-bit Windows modules (the build that ships), lays out the sample
# installation, registers it in the private Wine prefix where the product's 32-bit
# setup would (the 32-bit view of the registry) and plays the product's main road
# under Wine and Xvfb:
#   1. kova-host.exe with a three-argument host command line shows the uninstall wizard
#      (KOVA_ShowForm(3)); it is saved as a screenshot and Next is pressed with a real
#      mouse click through the X server; the command line Setup.exe received is printed;
#   2. the same wizard in a Spanish installation without a dictionary (source texts);
#   3. the firewall prompt, accepted, with the calls the firewall component received;
#   4. a framework form and a system message box in the product's skin, saved active and
#      inactive, with real clicks through the X server on OK, maximize, restore and close;
#   5. a framework form with a main menu and a popup menu in the product's skin: menus
#      opened with a real click, Alt with an accelerator and a right click, items picked
#      with the keyboard; the form with an open menu is saved (and copied to docs/).
# Screenshots go to build/demo/.
#   scripts/demo.sh                    the whole road
#   scripts/demo.sh HOST-OPTIONS...    only kova-host.exe with those options, e.g.
#                                      --steps=init,show:5,uninit --context=refuse
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

"$root/scripts/setup.sh"
. "$root/scripts/build-env.sh"
preset=win32
if ! "$root/scripts/can-run-32bit.sh"; then
  echo "demo: this machine does not run 32-bit programs; showing the 64-bit build instead"
  preset=win64
fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
cmake --build --preset "$preset" --target sample_install >/dev/null

cleanup() { "$root/scripts/wine-session.sh" stop >/dev/null 2>&1 || true; }
trap cleanup EXIT
eval "$("$root/scripts/wine-session.sh" env)"

install_dir=$root/build/$preset/install
shots=$root/build/demo
mkdir -p "$shots"
windows_dir="Z:$(echo "$install_dir" | tr / '\\')\\"
key='HKLM\SOFTWARE\Orvane Software\Setup'
register() {
  wine reg add "$key" /v Path /t REG_SZ /d "$windows_dir" /f /reg:32 </dev/null >/dev/null 2>&1
  wine reg add "$key" /v Language /t REG_SZ /d "$1" /f /reg:32 </dev/null >/dev/null 2>&1
}
windows_path() { echo "Z:$(echo "$1" | tr / '\\')"; }
# Wine's helper processes would keep a pipe to this script open: output goes to files.
show() { tr -d '\r' <"$1"; }
starts() { if [ -f Setup.runs ]; then wc -l <Setup.runs; else echo 0; fi; }

register English
echo "== sample installation: $install_dir (registered as $windows_dir, English)"
cd "$install_dir"

if [ $# -gt 0 ]; then
  KOVA_TRACE=1 KOVA_HOST_OPTIONS="$*" wine ./kova-host.exe </dev/null >"$shots/host.log" 2>&1 || status=$?
  show "$shots/host.log"
  exit "${status:-0}"
fi

# Runs the host with show:3 and the given host arguments, saves the wizard titled $1 to
# $2 and clicks the control that shows $3.
wizard_round() {
  local title=$1 shot=$2 button=$3
  shift 3
  xdotool mousemove 0 0  # nothing hovered in the screenshot
  KOVA_TRACE=1 KOVA_HOST_OPTIONS="--steps=init,show:3,uninit" \
    wine ./kova-host.exe "$@" </dev/null >"$shots/host.log" 2>&1 &
  local host=$!
  wine ./kova-demo-user.exe shot "$title" "$(windows_path "$shot")" "$button" \
    </dev/null >"$shots/user.log" 2>&1 || { show "$shots/user.log"; kill "$host"; exit 1; }
  local x y
  read -r _ x y < <(tr -d '\r' <"$shots/user.log" | grep '^click ')
  echo "-- saved $shot; clicking \"$button\" at ($x, $y) through the X server"
  xdotool mousemove "$x" "$y" sleep 0.3 click 1
  wait "$host" || { show "$shots/host.log"; exit 1; }
  show "$shots/host.log"
}

echo
echo "== 1. uninstall wizard, English; host command line: kova-host.exe /x \"KOVA demo\""
rm -f Setup.log Setup.runs
wizard_round "Uninstall KOVA Internet Security" "$shots/uninstall-wizard.png" Next /x "KOVA demo"
for _ in $(seq 100); do [ -f Setup.log ] && break; sleep 0.1; done
echo "-- Setup.exe was started $(starts) time(s) and received:"
show Setup.log | grep -v '^module: '

echo
echo "== 2. uninstall wizard, Spanish installation without a dictionary"
register Spanish
rm -f Setup.log Setup.runs
wizard_round "Desinstalación de KOVA Internet Security" "$shots/uninstall-wizard-es.png" Cancelar \
  /x "KOVA demo"
echo "-- Cancel: Setup.exe was started $(starts) time(s)"

echo
echo "== 3. firewall prompt, accepted with its default choice"
register English
wine ./kova-demo-user.exe firewall "$(windows_path "$shots/firewall-prompt.png")" \
  </dev/null >"$shots/user.log" 2>&1 || { show "$shots/user.log"; exit 1; }
show "$shots/user.log"

# kova-demo-user asks for real input with lines "click NAME X Y", "rclick NAME X Y" and
# "key KEY..." and prints what the windows then report; the pointer and the keyboard
# are driven here, through the X server. Plays one run of it: drive_user LOG ARGS...
drive_user() {
  local log=$1
  shift
  : >"$log"
  wine ./kova-demo-user.exe "$@" </dev/null >"$log" 2>&1 &
  local user=$! handled=0 alive line kind name x y status=0
  while :; do
    alive=0
    kill -0 "$user" 2>/dev/null && alive=1
    # Only whole lines: the last one may still be being written.
    mapfile -t lines < <(tr -d '\r' <"$log" | head -n "$(wc -l <"$log")")
    while [ "$handled" -lt "${#lines[@]}" ]; do
      line=${lines[$handled]}
      handled=$((handled + 1))
      case $line in
        "click "* | "rclick "*)
          read -r kind name x y <<<"$line"
          local button=1 verb=clicking
          if [ "$kind" = rclick ]; then button=3 verb=right-clicking; fi
          echo "-- $verb \"$name\" at ($x, $y) through the X server"
          xdotool mousemove "$x" "$y" sleep 0.3 click "$button"
          ;;
        "key "*)
          echo "-- pressing ${line#key } through the X server"
          # shellcheck disable=SC2086  # one argument per key
          xdotool sleep 0.2 key --delay 150 ${line#key }
          ;;
        *) echo "$line" ;;
      esac
    done
    [ "$alive" = 1 ] || break
    sleep 0.1
  done
  wait "$user" || status=$?
  return "$status"
}

echo
echo "== 4. a sizable form and a message box in the product skin; caption buttons clicked"
xdotool mousemove 0 0
# Without a window manager, Wine leaves maximizing a window it thinks managed to one:
# the X window would keep its size. Windows it manages itself are resized by it.
x11_key='HKCU\Software\Wine\X11 Driver'
wine reg add "$x11_key" /v Managed /t REG_SZ /d N /f </dev/null >/dev/null 2>&1
status=0
drive_user "$shots/frame.log" frame "$(windows_path "$install_dir/KOVASkin.skn")" \
  "$(windows_path "$shots")" || status=$?
[ "$status" = 0 ] || {
  wine reg delete "$x11_key" /v Managed /f </dev/null >/dev/null 2>&1
  echo "demo: the skinned form round failed"
  exit 1
}

echo
echo "== 5. a form with a main menu and a popup menu in the product skin, by mouse and keyboard"
xdotool mousemove 0 0
status=0
drive_user "$shots/menus.log" menus "$(windows_path "$install_dir/KOVASkin.skn")" \
  "$(windows_path "$shots")" || status=$?
wine reg delete "$x11_key" /v Managed /f </dev/null >/dev/null 2>&1
[ "$status" = 0 ] || { echo "demo: the menu round failed"; exit 1; }
cp "$shots/skinned-menus.png" "$root/docs/skinned-menus.png"
echo "-- copied skinned-menus.png to docs/"

echo
echo "screenshots: $shots"
