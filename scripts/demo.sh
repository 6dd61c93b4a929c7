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

windows() { # the program's shown windows wide enough to be one of its windows (not the panel, a menu)
  local id
  for id in $(xdotool search --onlyvisible --classname '^tavelo$' 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    [ "$WIDTH" -ge 400 ] && echo "$id"
  done
}
new_window() { # after running the command given: the id of the window it opened (any language)
  local before id
  before=$(windows | sort)
  "$@" >/dev/null
  for _ in $(seq 1 100); do
    id=$(comm -13 <(echo "$before") <(windows | sort) | head -n1)
    [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.1
  done
  echo "no window opened by: $*" >&2
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
shoot_window() { # window id, name
  for s in light dark; do
    scheme "$s"
    xdotool windowraise "$1"
    sleep 0.3
    import -window "$1" "$out/raw.png"
    save "$out/raw.png" "$2-$s"
  done
  scheme light
}
open_panel() { tavelo || true; sleep 0.8; }

# The panel's controls by their place, so that it works in every language: Down n times
# reaches the n-th shown control (Pause, Start Microbreak, Start Long Break, Skip,
# Postpone, Reset, Statistics, Settings, Check for Updates, Help, Quit).
choose() { # n [Down m Return in the menu it opens]
  open_panel
  for _ in $(seq 1 "$1"); do xdotool key Down; done
  xdotool key Return
  if [ -n "${2:-}" ]; then
    sleep 0.5
    for _ in $(seq 1 "$2"); do xdotool key Down; done
    xdotool key Return
  fi
}
first_window() { # What's New, at launch
  for _ in $(seq 1 100); do
    windows | head -n1 | grep . && return
    sleep 0.1
  done
  return 1
}
shoot_window "$(first_window)" whats-new
shoot_window "$(new_window choose 10 1)" tour # Help > Take the Tour…
shoot_window "$(new_window choose 8)" settings
shoot_window "$(new_window choose 7)" statistics
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
for _ in $(seq 1 100); do
  xdotool search --onlyvisible --classname '^tavelo-overlay$' >/dev/null 2>&1 && break
  sleep 0.1
done
sleep 1.5
import -window root -resize 50% "$out/raw.png"
save "$out/raw.png" overlay
tavelo skip || true
echo "Screenshots in $out:" $(cd "$out" && ls *.png)
