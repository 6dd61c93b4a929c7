#!/usr/bin/env bash
# Runs a command inside a private headless KDE Plasma on Wayland: kwin_wayland with two
# 1280x1024 virtual outputs and Xwayland, kded5 with the StatusNotifierWatcher module,
# kactivitymanagerd, plasmashell (its panel holds the tray and the notification
# server), and private session and system buses. Everything started here is stopped by
# PID when the command ends. Usage: kde-session.sh COMMAND...
set -u

if [ -z "${TAVELO_KDE_WORKDIR:-}" ]; then
  TAVELO_KDE_WORKDIR=$(mktemp -d /tmp/tavelo-kde.XXXXXX)
  export TAVELO_KDE_WORKDIR
  export XDG_CONFIG_HOME="$TAVELO_KDE_WORKDIR/config" XDG_CACHE_HOME="$TAVELO_KDE_WORKDIR/cache"
  export XDG_DATA_HOME="$TAVELO_KDE_WORKDIR/data" XDG_RUNTIME_DIR="$TAVELO_KDE_WORKDIR/runtime"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  exec dbus-run-session -- "$0" "$@"
fi

workdir=$TAVELO_KDE_WORKDIR
logs=${TAVELO_DESKTOP_LOGS:-$workdir}
mkdir -p "$logs"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
  remove_x_socket "${DISPLAY:-}"
  rm -rf "$workdir"
}
trap cleanup EXIT

. "$(dirname "$0")/session-lib.sh"

start_private_system_bus

export XDG_CURRENT_DESKTOP=KDE XDG_SESSION_DESKTOP=KDE KDE_FULL_SESSION=true KDE_SESSION_VERSION=5
export XDG_SESSION_TYPE=wayland NO_AT_BRIDGE=1
unset DISPLAY WAYLAND_DISPLAY

# The installed binary carries a file capability outside this container's bounding set,
# so exec fails; a copy carries none.
cp /usr/bin/kwin_wayland "$workdir/kwin_wayland"
wayland=tavelo-kde-$$
# kwin starts the given program once Xwayland is up, with DISPLAY set.
printf '#!/bin/sh\necho "$DISPLAY $XAUTHORITY" >%s/kwin-env\n' "$workdir" >"$workdir/report-env"
chmod +x "$workdir/report-env"
# The harness moves the pointer through KWin's fake-input protocol (kwin-nudge.c).
KWIN_WAYLAND_NO_PERMISSION_CHECKS=1 "$workdir/kwin_wayland" --virtual --width 1280 --height 1024 --output-count 2 --xwayland --socket "$wayland" \
  "$workdir/report-env" >"$logs/kwin.log" 2>&1 & pids+=($!)
wait_for 60 test -s "$workdir/kwin-env" || { echo "kwin_wayland did not start" >&2; tail "$logs/kwin.log" >&2; exit 1; }
read -r DISPLAY XAUTHORITY <"$workdir/kwin-env"
export DISPLAY XAUTHORITY WAYLAND_DISPLAY=$wayland
[ -n "$XAUTHORITY" ] || unset XAUTHORITY

QT_QPA_PLATFORM=wayland kded5 >"$logs/kded5.log" 2>&1 & pids+=($!)
wait_for 30 has_name org.kde.kded5 || echo "kded5 did not start" >&2
# startplasma asks kded for the watcher; nothing else loads it.
dbus-send --session --print-reply --dest=org.kde.kded5 /kded org.kde.kded5.loadModule \
  string:statusnotifierwatcher >/dev/null
/usr/lib/x86_64-linux-gnu/libexec/kactivitymanagerd >"$logs/kactivitymanagerd.log" 2>&1 & pids+=($!)
wait_for 30 has_name org.kde.ActivityManager || echo "kactivitymanagerd did not start" >&2
QT_QPA_PLATFORM=wayland plasmashell --no-respawn >"$logs/plasmashell.log" 2>&1 & pids+=($!)
wait_for 60 has_name org.freedesktop.Notifications || echo "plasmashell did not start" >&2
# The panel registers as the tray's host once it has loaded its applets.
wait_for 60 sh -c 'dbus-send --session --print-reply --dest=org.kde.StatusNotifierWatcher /StatusNotifierWatcher \
    org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierWatcher string:IsStatusNotifierHostRegistered |
    grep -q true' || echo "plasmashell has no tray host" >&2

"$@"
