#!/usr/bin/env bash
# Shows the installed build on a private desktop (two monitors, openbox, tint2, dunst and,
# where installed, xcompmgr) and saves screenshots of every window, light and dark: the
# panel, the tour, settings, statistics and What's New windows, each switched live by a
# stand-in for the desktop portal, and a break overlay (dark by design).
# Usage: scripts/demo.sh STAGE_DIR OUTPUT_DIR
set -euo pipefail
stage=$(realpath "${1:?stage dir}")
out=$(realpath -m "${2:?output dir}")
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$out"

if [ -z "${TAVELO_DEMO_INSIDE:-}" ]; then
  export TAVELO_DEMO_INSIDE=1
  exec "$here/../tests/support/desktop-session.sh" "$0" "$stage" "$out"
fi

config=$(mktemp -d /tmp/tavelo-demo.XXXXXX)
pids=()
trap 'for p in "${app:-}" "${pids[@]}"; do [ -n "$p" ] && kill "$p" 2>/dev/null; done; rm -rf "$config"' EXIT
mkdir -p "$config/Tavelo"
# A long first focus, so that no break comes unasked; a 20-second microbreak to show.
cat >"$config/Tavelo/settings.json" <<'JSON'
{ "focusMinutes": 30, "shortBreakSeconds": 20, "strictMode": true }
JSON
# Toured before, an older version seen: What's New opens at launch.
printf '[General]\ncom.tavelo.app.onboardingCompleted=true\ncom.tavelo.app.lastSeenVersion=0.0.1\n' \
  >"$config/Tavelo/Tavelo.conf"

/usr/bin/python3 "$here/demo-portal.py" 2 & portal=$!
pids+=("$portal")
if command -v xcompmgr >/dev/null; then
  xcompmgr -c -r 0 -o 0 >/dev/null 2>&1 & pids+=($!)
fi
sleep 1

tavelo() { XDG_CONFIG_HOME="$config" XDG_DATA_HOME="$config" "$stage/bin/tavelo" "$@"; }
tavelo & app=$!

window() { # exact title → id of the shown window
  local id
  for _ in $(seq 1 100); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1) && [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.1
  done
  echo "no window '$1'" >&2
  import -window root "$out/../missing.png" 2>/dev/null || true
  return 1
}
panel_geometry() { # the open panel, narrow and tall as no other window of the program: X Y W H
  local id
  for _ in $(seq 1 50); do
    for id in $(xdotool search --onlyvisible --classname tavelo 2>/dev/null); do
      eval "$(xdotool getwindowgeometry --shell "$id")"
      [ "$WIDTH" -lt 400 ] && [ "$HEIGHT" -gt 300 ] && { echo "$X $Y $WIDTH $HEIGHT"; return; }
    done
    sleep 0.1
  done
  return 1
}
scheme() { # light|dark: the portal announces it; the windows follow
  if [ "$1" = dark ]; then kill -USR1 "$portal"; else kill -USR2 "$portal"; fi
  sleep 0.8
}
save() { # source image, name: an 8-bit palette keeps the files small
  convert "$1" +dither -colors 256 "PNG8:$out/$2.png"
  rm -f "$1"
}
shoot_window() { # title, name
  local id
  id=$(window "$1")
  for s in light dark; do
    scheme "$s"
    xdotool windowraise "$id"
    sleep 0.3
    import -window "$id" "$out/raw.png"
    save "$out/raw.png" "$2-$s"
  done
  scheme light
}
open_panel() { tavelo || true; sleep 0.8; }

shoot_window "What's New in Tavelo" whats-new
open_panel; xdotool key h; sleep 0.5; xdotool key t # Help > Take the Tour…
shoot_window "Welcome to Tavelo" tour
open_panel; xdotool key e # Settings…
shoot_window "Tavelo Settings" settings
open_panel; xdotool key t # Statistics…
shoot_window "Tavelo Statistics" statistics

open_panel
xdotool key Down Down # the keyboard on the second control: its focus ring shows
for s in light dark; do
  scheme "$s"
  read -r x y w h < <(panel_geometry)
  import -window root -crop "${w}x${h}+${x}+${y}" +repage "$out/raw.png"
  save "$out/raw.png" "panel-$s"
done
xdotool key Escape
scheme light

tavelo break
window "Tavelo break" >/dev/null
sleep 1.5
import -window root -resize 50% "$out/raw.png"
save "$out/raw.png" overlay
tavelo skip || true
echo "Screenshots in $out:" $(cd "$out" && ls *.png)
