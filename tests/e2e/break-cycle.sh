#!/usr/bin/env bash
# One real break cycle of the installed program, checked from the outside: notices as
# they are sent over the session bus, overlay windows in the X window tree, screenshots.
# Runs inside tests/support/desktop-session.sh (Xvfb with two monitors, openbox, tint2,
# dunst, private session bus). Usage: break-cycle.sh STAGE FAKE_LOGIND OUTPUT_DIR
set -u
stage=$1 fake_logind=$2 out=$3
mkdir -p "$out"
work=$(mktemp -d /tmp/tavelo-e2e.XXXXXX)
pids=()
failures=0
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

log() { printf '[%6ss] %s\n' "$(elapsed)" "$*"; }
fail() { log "FAIL: $*"; failures=$((failures + 1)); }
pass() { log "ok: $*"; }
start_ns=$(date +%s%N)
elapsed() { local ds=$(( ($(date +%s%N) - start_ns) / 100000000 )); echo "$((ds / 10)).$((ds % 10))"; }
elapsed_int() { echo $(( ($(date +%s%N) - start_ns) / 1000000000 )); }

# Notices are watched where they are sent: the Notify calls on the session bus.
dbus-monitor --session "type='method_call',interface='org.freedesktop.Notifications',member='Notify'" \
  >"$work/notify.log" 2>/dev/null &
pids+=($!)

# A private bus stands in for the system bus, with a stand-in for logind on it.
dbus-daemon --session --nofork --print-address=3 3>"$work/system-bus" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 400); do [ -s "$work/system-bus" ] && break; sleep 0.05; done
export DBUS_SYSTEM_BUS_ADDRESS=$(head -n1 "$work/system-bus")
"$fake_logind" "$DBUS_SYSTEM_BUS_ADDRESS" >"$work/logind.log" 2>&1 &
logind=$!
pids+=($logind)
for _ in $(seq 400); do grep -q ready "$work/logind.log" && break; sleep 0.05; done

export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
mkdir -p "$XDG_CONFIG_HOME/Tavelo"
cat >"$XDG_CONFIG_HOME/Tavelo/settings.json" <<'JSON'
{
  "focusMinutes": 1,
  "idleThresholdSeconds": 0,
  "postponeMinutes": 1,
  "preBreakWarningSeconds": 10,
  "shortBreakSeconds": 5,
  "strictMode": true
}
JSON
settings_sum=$(sha256sum "$XDG_CONFIG_HOME/Tavelo/settings.json")
# dbus-monitor reports losing its own name once it has become a monitor.
for _ in $(seq 400); do grep -q NameLost "$work/notify.log" && break; sleep 0.05; done

start_ns=$(date +%s%N)
"$stage/bin/tavelo" >"$out/tavelo.log" 2>&1 &
app=$!
pids+=($app)

notices() { grep -c "string \"$1\"" "$work/notify.log"; }
overlays() { xdotool search --onlyvisible --classname '^tavelo-overlay$' 2>/dev/null; }
# wait_until TIMEOUT_SECONDS COMMAND...: polls every 0.2 s
wait_until() {
  local limit=$1; shift
  local deadline=$(( $(date +%s) + limit ))
  until "$@"; do
    [ "$(date +%s)" -ge $deadline ] && return 1
    sleep 0.2
  done
}
has_notice() { [ "$(notices "$1")" -ge "${2:-1}" ]; }
overlay_count_is() { [ "$(overlays | wc -l)" -eq "$1" ]; }
within() { [ "$1" -ge "$2" ] && [ "$1" -le "$3" ]; }

# 1. The warning about ten seconds before the first break.
if wait_until 70 has_notice "Break coming up"; then
  t=$(elapsed_int)
  within "$t" 45 56 && pass "\"Break coming up\" at ${t}s" || fail "\"Break coming up\" at ${t}s, expected about 50s"
else
  fail "no \"Break coming up\" notice"
fi

# 2. The overlay on both monitors at about a minute, with the microbreak notice.
if wait_until 20 overlay_count_is 2; then
  t=$(elapsed_int)
  within "$t" 57 66 && pass "overlay on two windows at ${t}s" || fail "overlay at ${t}s, expected about 60s"
  geometry=$(for w in $(overlays); do xdotool getwindowgeometry "$w" | tr -s ' \n' ' '; echo; done)
  echo "$geometry" >"$out/overlay-geometry.txt"
  grep -q 'Position: 0,0 ' <<<"$geometry" && grep -q 'Position: 1280,0 ' <<<"$geometry" &&
    grep -c 'Geometry: 1280x1024' <<<"$geometry" | grep -q 2 &&
    pass "one overlay per monitor" || fail "overlay geometry: $geometry"
  has_notice "Microbreak" && pass "\"Microbreak\" notice" || fail "no \"Microbreak\" notice"
  sleep 0.5
  import -window root "$out/overlay.png" 2>/dev/null
else
  fail "no overlay on both monitors (windows: $(overlays | wc -l))"
fi

# 3. "Break complete" after the five-second break, and the overlay gone.
if wait_until 15 has_notice "Break complete"; then
  pass "\"Break complete\" at $(elapsed_int)s"
else
  fail "no \"Break complete\" notice"
fi
wait_until 10 overlay_count_is 0 && pass "overlay gone after the break" || fail "overlay still up after the break"

# 4. Suspend for ten seconds during the next focus session: the next break moves by as much.
sleep 3
kill -USR1 "$logind"
sleep 10
kill -USR2 "$logind"
log "slept 10s (logind: $(tr '\n' ';' <"$work/logind.log"))"
grep -q "inhibit released" "$work/logind.log" && pass "sleep inhibitor released on suspend" ||
  fail "the program did not release its sleep inhibitor"

if wait_until 70 has_notice "Break coming up" 2; then
  t=$(elapsed_int)
  # Without the compensation the warning would come at about 115s.
  within "$t" 121 131 && pass "second warning at ${t}s, moved by the sleep" ||
    fail "second warning at ${t}s, expected about 125s"
else
  fail "no second warning"
fi

# 5. Esc during the second break postpones it: overlay gone, no "Break complete".
if wait_until 20 overlay_count_is 2; then
  pass "second break at $(elapsed_int)s"
  sleep 1
  xdotool key Escape
  wait_until 10 overlay_count_is 0 && pass "Esc took the overlay down" || fail "overlay still up after Esc"
  sleep 7
  [ "$(notices "Break complete")" -eq 1 ] && pass "no \"Break complete\" after postponing" ||
    fail "\"Break complete\" after postponing"
else
  fail "no second break"
fi

# 6. The settings file was never touched.
[ "$(sha256sum "$XDG_CONFIG_HOME/Tavelo/settings.json")" = "$settings_sum" ] && pass "settings.json untouched" ||
  fail "settings.json changed"

kill -0 "$app" 2>/dev/null && pass "still running" || fail "the program exited"

# 7. The history tells what happened: one break taken, one postponed (written in batches).
stats_say() { "$stage/bin/tavelo" stats --json --days 1 | python3 -c '
import json, sys
s = json.load(sys.stdin)
sys.exit(0 if (s["taken"], s["skipped"], s["postponed"]) == (1, 0, 1) else 1)'; }
wait_until 20 stats_say && pass "tavelo stats: 1 taken, 0 skipped, 1 postponed" ||
  fail "tavelo stats: $("$stage/bin/tavelo" stats --json --days 1)"
cp "$work/notify.log" "$out/notify.log"
log "$failures failure(s)"
[ "$failures" -eq 0 ]
