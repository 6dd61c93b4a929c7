#!/usr/bin/env bash
# Runs a command inside a private desktop: Xvfb with two 1280x1024 monitors side by
# side, openbox, tint2 (tray host), dunst (notifications) and a private session bus.
# Everything started here is stopped by PID when the command ends.
set -u

for arg in "$@"; do
  # Listing tests needs no desktop.
  [ "$arg" = "--gtest_list_tests" ] && exec "$@"
done

if [ -z "${TAVELO_PRIVATE_BUS:-}" ]; then
  export TAVELO_PRIVATE_BUS=1
  exec dbus-run-session -- "$0" "$@"
fi

workdir=$(mktemp -d /tmp/tavelo-desktop.XXXXXX)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
  rm -rf "$workdir"
}
trap cleanup EXIT

wait_for() { # timeout-seconds command...
  local deadline=$((SECONDS + $1)); shift
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -ge $deadline ] && return 1
    sleep 0.05
  done
}

Xvfb -displayfd 3 -screen 0 2560x1024x24 +extension MIT-SCREEN-SAVER +extension RANDR -noreset -nolisten tcp \
  3>"$workdir/display" 2>"$workdir/xvfb.log" & pids+=($!)
wait_for 10 test -s "$workdir/display" || { echo "Xvfb did not start" >&2; cat "$workdir/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$workdir/display")"
unset WAYLAND_DISPLAY
export XDG_SESSION_TYPE=x11 QT_QPA_PLATFORM=xcb

xrandr --setmonitor TAVELO-A 1280/338x1024/270+0+0 screen >/dev/null 2>&1
xrandr --setmonitor TAVELO-B 1280/338x1024/270+1280+0 none >/dev/null 2>&1

openbox --sm-disable >"$workdir/openbox.log" 2>&1 & pids+=($!)
wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || echo "openbox did not start" >&2

# Our own config, so the user's does not leak in; identical notices stay separate,
# so what a test posted is what it can count.
printf '[global]\n    stack_duplicates = false\n' >"$workdir/dunstrc"
dunst -config "$workdir/dunstrc" >"$workdir/dunst.log" 2>&1 & pids+=($!)
wait_for 10 sh -c 'dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus org.freedesktop.DBus.NameHasOwner string:org.freedesktop.Notifications | grep -q true' \
  || echo "dunst did not start" >&2

tint2 >"$workdir/tint2.log" 2>&1 & pids+=($!)
wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null && xdpyinfo >/dev/null && xprop -name tint2 >/dev/null' \
  || echo "tint2 did not start" >&2

"$@"
