#!/usr/bin/env bash
# Plays a session in the real program window on a virtual 1600x1000 desktop with
# a window manager and keeps a screenshot of every "shot" step in build/screens/.
#
#   scripts/screens.sh [steps-file]      (default: scripts/screens.steps)
#
# A steps file has one step a line ("#" starts a comment):
#   key KEYS...      xdotool key names: alt+p Return Tab ctrl+F4
#   type TEXT        types the text into the focused field
#   click X Y        a left click at the desktop's X, Y
#   wheel X Y N      N turns of the wheel down (negative: up) at X, Y
#   wait SECONDS     lets the program work
#   shot NAME        build/screens/NAME.png of the whole desktop
# The program runs with a start folder and configuration folder of its own under
# build/screens/home, so the user's own files are never touched.
set -euo pipefail
cd "$(dirname "$0")/.."
steps="${1:-scripts/screens.steps}"

tools=(xvfb xauth openbox xdotool imagemagick x11-utils)
missing=()
for p in "${tools[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
[ -x build/vetrix ] || VX_TARGETS="vetrix vx_manual" scripts/setup.sh

out=build/screens
mkdir -p "$out"
home="$out/home"
export HOME="$PWD/$home" XDG_DATA_HOME="$PWD/$home/data" XDG_CONFIG_HOME="$PWD/$home/config"
mkdir -p "$XDG_DATA_HOME/vetrix" "$XDG_CONFIG_HOME"
[ -f build/Instr.pdf ] && cp build/Instr.pdf "$XDG_DATA_HOME/vetrix/Instr.pdf"

display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY="$display"
trap 'kill "${app:-}" "${wm:-}" "$xvfb" 2>/dev/null || true' EXIT
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5
build/vetrix >"$out/vetrix.log" 2>&1 &
app=$!
sleep 3

while read -r verb rest; do
  case "$verb" in
    ''|'#'*) continue ;;
    key) read -ra keys <<<"$rest"; xdotool key --delay 80 "${keys[@]}" ;;
    type) xdotool type --delay 40 "$rest" ;;
    click) read -r x y <<<"$rest"; xdotool mousemove "$x" "$y" click 1 ;;
    wheel)
      read -r x y n <<<"$rest"
      button=5; [ "$n" -lt 0 ] && { button=4; n=$((-n)); }
      xdotool mousemove "$x" "$y" click --repeat "$n" --delay 60 "$button" ;;
    wait) sleep "$rest" ;;
    shot) import -window root "$out/$rest.png"; echo "$out/$rest.png" ;;
    *) echo "screens: unknown step '$verb'" >&2; exit 2 ;;
  esac
  sleep 0.4
done <"$steps"
