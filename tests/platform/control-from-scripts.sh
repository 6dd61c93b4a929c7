#!/usr/bin/env bash
# The command line and the com.tavelo.app.Timer1 interface against a real instance on a
# private session bus. Runs inside tests/support/desktop-session.sh.
# Usage: control-from-scripts.sh TAVELO OUTPUT_DIR
set -u
tavelo=$1 out=$2
mkdir -p "$out"
work=$(mktemp -d /tmp/tavelo-control.XXXXXX)
pids=()
failures=0
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }
# expect WHAT EXIT_CODE COMMAND...: runs a command line, keeping its output in $stdout/$stderr.
expect() {
  local what=$1 code=$2; shift 2
  "$@" >"$work/stdout" 2>"$work/stderr"
  local got=$?
  stdout=$(cat "$work/stdout") stderr=$(cat "$work/stderr")
  [ "$got" -eq "$code" ] && pass "$what" || fail "$what: exit $got, expected $code; stderr: $stderr"
}
# field JSON KEY: one value of a JSON object, as Python prints it.
field() { python3 -c 'import json,sys; print(json.loads(sys.argv[1])[sys.argv[2]])' "$1" "$2"; }
wait_until() { # tenths-of-seconds command...
  local tries=$1; shift
  until "$@" >/dev/null 2>&1; do
    tries=$((tries - 1)); [ $tries -le 0 ] && return 1
    sleep 0.1
  done
}
# The status bar's last line has this class.
last_class_is() { tail -n1 "$work/follow.log" | grep -q "\"class\":\"$1\""; }
timer() { gdbus call --session --dest com.tavelo.app --object-path /com/tavelo/app --method "com.tavelo.app.Timer1.$@"; }

export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
mkdir -p "$XDG_CONFIG_HOME/Tavelo"
printf '[General]\ncom.tavelo.app.onboardingCompleted=true\n' >"$XDG_CONFIG_HOME/Tavelo/Tavelo.conf"

# Without an instance: said so, and no program started for the command.
expect "status with no instance fails" 1 "$tavelo" status --json
grep -q "Tavelo is not running." <<<"$stderr" || fail "no instance: stderr was '$stderr'"
expect "pause with no instance fails" 1 "$tavelo" pause 5m
expect "an unknown option prints the usage" 2 "$tavelo" --bogus
grep -q "^Usage: tavelo" <<<"$stderr" && [ -z "$stdout" ] || fail "usage not on stderr: '$stderr'"
expect "a bad length is refused before anything is sent" 2 "$tavelo" pause 5x
expect "--version" 0 "$tavelo" --version
grep -q "^tavelo [0-9]" <<<"$stdout" || fail "version: '$stdout'"

# A status bar that follows from before the instance starts until after it restarts.
"$tavelo" status --follow --json >"$work/follow.log" 2>&1 &
pids+=($!)
wait_until 200 last_class_is stopped || fail "the status bar did not start"

start_instance() {
  "$tavelo" >>"$out/tavelo.log" 2>&1 &
  app=$!
  pids+=($app)
  wait_until 300 "$tavelo" status
}
start_instance && pass "instance answers" || { fail "instance did not answer"; exit 1; }

expect "commands run without a display" 0 env -u DISPLAY -u WAYLAND_DISPLAY "$tavelo" status

gdbus introspect --session --dest com.tavelo.app --object-path /com/tavelo/app >"$out/introspection.txt"
grep -q 'interface com.tavelo.app.Timer1' "$out/introspection.txt" && pass "Timer1 is introspectable" ||
  fail "no Timer1 in the introspection"

# Nothing is announced while the countdown merely runs.
dbus-monitor --session "type='signal',interface='org.freedesktop.DBus.Properties',member='PropertiesChanged',path='/com/tavelo/app'" \
  >"$work/signals.log" 2>/dev/null &
monitor=$!
pids+=($monitor)
sleep 3.5
[ "$(grep -c 'member=PropertiesChanged' "$work/signals.log")" -eq 0 ] && pass "no signal while the countdown runs" ||
  fail "signals while idle: $(grep -c 'member=PropertiesChanged' "$work/signals.log")"

expect "pause 15m" 0 "$tavelo" pause 15m
expect "status --json after the pause" 0 "$tavelo" status --json
[ "$(field "$stdout" paused)" = True ] && [ "$(field "$stdout" class)" = paused ] &&
  [ "$(field "$stdout" pauseRemainingSeconds)" -ge 898 ] && pass "status shows the pause" ||
  fail "status after the pause: $stdout"
wait_until 150 grep -q 'boolean true' "$work/signals.log" && pass "the pause was announced" ||
  fail "no PropertiesChanged for the pause"
wait_until 200 last_class_is paused || fail "the status bar missed the pause"
expect "a second pause is refused as the panel would" 1 "$tavelo" pause
grep -q "already paused" <<<"$stderr" || fail "second pause: '$stderr'"

expect "resume" 0 "$tavelo" resume
expect "resume when not paused" 1 "$tavelo" resume
grep -q "not paused" <<<"$stderr" || fail "resume when running: '$stderr'"

# Bad arguments on the wire.
timer StartBreak lunch >/dev/null 2>"$work/err"
grep -q 'org.freedesktop.DBus.Error.InvalidArgs' "$work/err" && grep -q '"micro" or "long"' "$work/err" &&
  pass "StartBreak with an unknown kind" || fail "StartBreak lunch: $(cat "$work/err")"
timer Pause 400000000 >/dev/null 2>"$work/err"
grep -q 'org.freedesktop.DBus.Error.InvalidArgs' "$work/err" && pass "Pause past ten years" ||
  fail "Pause 400000000: $(cat "$work/err")"

wait_until 200 last_class_is focus || fail "the status bar missed the resume"
expect "break long" 0 "$tavelo" break long
wait_until 200 last_class_is break || fail "the status bar missed the break"
expect "status during the break" 0 "$tavelo" status --json
[ "$(field "$stdout" phase)/$(field "$stdout" activeBreak)" = break/long ] && pass "the long break runs" ||
  fail "status during the break: $stdout"
phase_ends=$(field "$stdout" phaseEndsAt)
within=$((phase_ends - $(date +%s)))
[ $within -ge 890 ] && [ $within -le 901 ] && pass "PhaseEndsAt is the break's end" || fail "PhaseEndsAt in ${within}s"
expect "the same break again is refused" 1 "$tavelo" break long
expect "postpone" 0 "$tavelo" postpone
expect "skip" 0 "$tavelo" skip
expect "reset" 0 "$tavelo" reset
expect "status" 0 "$tavelo" status
grep -q "^Focus in progress" <<<"$stdout" && grep -q "Completed focus sessions: 1" <<<"$stdout" &&
  pass "status in words" || fail "status: $stdout"

# The follower saw each change once, then waits through a restart. The instance ends on
# SIGTERM as on Quit: its last events and its quit are written before it exits.
kill "$app"; wait "$app"
ended=$?
history_kinds() { python3 -c 'import sqlite3, sys
print(" ".join(r[0] for r in sqlite3.connect(sys.argv[1]).execute("SELECT kind FROM events ORDER BY id")))' \
  "$XDG_DATA_HOME/Tavelo/history.sqlite"; }
[ $ended -eq 0 ] && [ "$(history_kinds | awk '{print $NF}')" = quit ] && pass "SIGTERM: exit 0, the quit written" ||
  fail "SIGTERM: exit $ended, history ends with: $(history_kinds | awk '{print $NF}')"
wait_until 200 last_class_is stopped
start_instance || fail "instance did not come back"
wait_until 200 last_class_is focus
cp "$work/follow.log" "$out/follow.log"
# Consecutive lines of one class differ in their countdown.
classes=$(python3 -c '
import itertools, json, sys
print(" ".join(k for k, _ in itertools.groupby(json.loads(l)["class"] for l in open(sys.argv[1]))))' "$work/follow.log")
[ "$classes" = "stopped focus paused focus break focus stopped focus" ] && pass "follow: $classes" ||
  { fail "follow printed: $classes"; cat "$work/follow.log"; }

echo "$failures failure(s)"
[ "$failures" -eq 0 ]
