#!/usr/bin/env bash
# The installed program on a real desktop shell, run headless, checked from the outside
# and printed as a table: one row per cell, pass or FAIL, and the figure behind it.
# Usage: matrix.sh STAGE OUTPUT_DIR [DESKTOP]   (DESKTOP: xfce, the only one so far)
# Environment: LAUNCHES (default 10), how often the status item must come up.
set -u
here=$(cd "$(dirname "$0")" && pwd)
stage=$(cd "$1" && pwd) out=$2 desktop=${3:-xfce}
mkdir -p "$out"
out=$(cd "$out" && pwd)

if [ -z "${TAVELO_MATRIX_DESKTOP:-}" ]; then
  case $desktop in
    xfce) session=$here/xfce-session.sh ;;
    *) echo "unknown desktop: $desktop" >&2; exit 2 ;;
  esac
  export TAVELO_MATRIX_DESKTOP=$desktop TAVELO_DESKTOP_LOGS=$out/$desktop
  exec "$session" "$0" "$stage" "$out" "$desktop"
fi

launches=${LAUNCHES:-10}
case $desktop in
  xfce) tray_class=xfce4-panel ;;
  *) tray_class=${TAVELO_TRAY_CLASS:-} ;;
esac
root=$(xwininfo -root | awk '/Window id:/ {print $4}')
work=$(mktemp -d /tmp/tavelo-matrix.XXXXXX)
pids=()
rows=()
failures=0
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT

row() { # cell pass|FAIL figure
  rows+=("$(printf '%-7s | %-32s | %-4s | %s' "$desktop" "$1" "$2" "$3")")
  [ "$2" = pass ] || failures=$((failures + 1))
}
now_ms() { echo $(($(date +%s%N) / 1000000)); }
wait_until() { # timeout-seconds command...: polls every 0.1 s
  local deadline=$(($(now_ms) + $1 * 1000)); shift
  until "$@"; do
    [ "$(now_ms)" -ge $deadline ] && return 1
    sleep 0.1
  done
}
bus_call() { # destination path interface.method args...
  local dest=$1 path=$2 method=$3; shift 3
  dbus-send --session --print-reply=literal --dest="$dest" "$path" "$method" "$@" 2>/dev/null
}

# A bare private bus stands in for the system bus, so nothing of the host's leaks in.
dbus-daemon --session --nofork --print-address=3 3>"$work/system-bus" >/dev/null 2>&1 & pids+=($!)
wait_until 20 test -s "$work/system-bus"
export DBUS_SYSTEM_BUS_ADDRESS=$(head -n1 "$work/system-bus")
export QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_CONFIG_HOME/Tavelo"

settings() { # strict: true|false
  cat >"$XDG_CONFIG_HOME/Tavelo/settings.json" <<JSON
{
  "focusMinutes": 1,
  "idleThresholdSeconds": 0,
  "postponeMinutes": 1,
  "preBreakWarningSeconds": 10,
  "shortBreakSeconds": 5,
  "strictMode": $1
}
JSON
}

app=
start_app() { # log-name
  "$stage/bin/tavelo" >"$out/$desktop/tavelo-$1.log" 2>&1 &
  app=$!
  pids+=($app)
}
stop_app() {
  kill "$app" 2>/dev/null
  wait "$app" 2>/dev/null
}

# Status item: registered with the watcher (StatusNotifierItem) or embedded by the tray
# (XEmbed). Watchers list items as "name/path" or as a bare name; the name's owner must
# be our process.
sni_registered() {
  local items entry name owner
  items=$(bus_call org.kde.StatusNotifierWatcher /StatusNotifierWatcher org.freedesktop.DBus.Properties.Get \
    string:org.kde.StatusNotifierWatcher string:RegisteredStatusNotifierItems) || return 1
  for entry in $(tr -s ' \n' '\n\n' <<<"$items" | grep -v '^variant$\|^array$\|^\[$\|^\]$'); do
    name=${entry%%/*}
    owner=$(bus_call org.freedesktop.DBus /org/freedesktop/DBus org.freedesktop.DBus.GetConnectionUnixProcessID \
      "string:$name" | awk '{print $NF}')
    [ "$owner" = "$app" ] && return 0
  done
  return 1
}
# Embedded: one of the window's ancestors is the panel, not only window-manager frames.
xembed_embedded() {
  local w up
  for w in $(xdotool search --pid "$app" 2>/dev/null); do
    up=$w
    while up=$(xwininfo -id "$up" -children 2>/dev/null | awk '/Parent window id/ {print $4}') &&
      [ -n "$up" ] && [ "$up" != "$root" ]; do
      xprop -id "$up" WM_CLASS 2>/dev/null | grep -q "\"$tray_class\"" && return 0
    done
  done
  return 1
}
item_shown() { sni_registered || xembed_embedded; }

settings true
shown=0 kinds= times=
for i in $(seq "$launches"); do
  t0=$(now_ms)
  start_app "launch-$i"
  if wait_until 10 item_shown; then
    shown=$((shown + 1))
    times="$times $(($(now_ms) - t0))"
    sni_registered && kinds="$kinds sni" || kinds="$kinds xembed"
  fi
  stop_app
done
kind=$(tr ' ' '\n' <<<"$kinds" | sort -u | xargs)
median=$(tr ' ' '\n' <<<"$times" | grep . | sort -n | awk '{a[NR]=$1} END {if (NR) print a[int((NR+1)/2)] " ms"; else print "-"}')
[ "$shown" -eq "$launches" ] && verdict=pass || verdict=FAIL
row "status item registered" "$verdict" "$shown/$launches launches (${kind:-none}), median $median"

# Output rects as WxH+X+Y, one a line, sorted; and the overlay windows' rects the same way.
outputs() {
  xrandr --listmonitors | awk 'NR > 1 {print $3}' | sed -E 's|/[0-9]+||g' | sort
}
overlay_rects() {
  local w
  for w in $(xdotool search --onlyvisible --classname '^tavelo-overlay$' 2>/dev/null); do
    xwininfo -id "$w" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
      /^ *Width/ {w=$NF} /^ *Height/ {h=$NF} END {print w "x" h "+" x "+" y}'
  done | sort
}
overlay_count() { overlay_rects | grep -c .; }
noticed() { grep -q "string \"$1\"" "$work/notify-$mode.log"; }
popups() { xdotool search --onlyvisible --classname '^xfce4-notifyd$' 2>/dev/null | sort; }
# A popup that was not on screen before: earlier notices may still be showing.
new_popup() { [ -n "$(comm -13 "$work/popups-before" <(popups))" ]; }

expected=$(outputs)
for mode in strict gentle; do
  [ $mode = strict ] && settings true || settings false
  dbus-monitor --session "type='method_call',interface='org.freedesktop.Notifications',member='Notify'" \
    >"$work/notify-$mode.log" 2>/dev/null &
  monitor=$!
  pids+=($monitor)
  wait_until 20 grep -q NameLost "$work/notify-$mode.log"
  popups >"$work/popups-before"
  t0=$(now_ms)
  start_app "$mode"

  if [ $mode = strict ]; then
    # The warning comes about ten seconds before the one-minute break.
    if wait_until 70 noticed "Break coming up"; then
      at=$(( ($(now_ms) - t0) / 100 ))
      if wait_until 5 new_popup; then
        row "warning delivered" pass "sent at $((at / 10)).$((at % 10)) s, a new popup on screen"
      else
        row "warning delivered" FAIL "sent at $((at / 10)).$((at % 10)) s, no popup on screen"
      fi
    else
      row "warning delivered" FAIL "no \"Break coming up\" sent in 70 s"
    fi
  fi

  wait_until 80 sh -c "[ \$(xdotool search --onlyvisible --classname '^tavelo-overlay\$' 2>/dev/null | wc -l) -ge $(grep -c . <<<"$expected") ]"
  sleep 0.5 # let the window manager place what it manages
  got=$(overlay_rects)
  [ "$got" = "$expected" ] && verdict=pass || verdict=FAIL
  row "overlay covers outputs ($mode)" "$verdict" \
    "windows: $(xargs <<<"$got") | outputs: $(xargs <<<"$expected")"
  import -window root "$out/$desktop/overlay-$mode.png" 2>/dev/null
  stop_app
  kill "$monitor" 2>/dev/null
done

printf '%-7s | %-32s | %-4s | %s\n' desktop cell ok figure
printf '%s\n' "${rows[@]}"
printf '%s\n' "${rows[@]}" >"$out/$desktop/table.txt"
[ "$failures" -eq 0 ]
