#!/usr/bin/env bash
# Runs a command inside a private headless GNOME Shell on Wayland: two 1280x1024
# virtual monitors, Xwayland (the program runs through it when DISPLAY is set), the
# AppIndicator extension (StatusNotifierItem host and watcher), the shell's own
# notifications, private session and system buses, and settings in a private keyfile.
# Everything started here is stopped by PID when the command ends.
# Usage: gnome-session.sh COMMAND...
set -u

if [ -z "${TAVELO_GNOME_WORKDIR:-}" ]; then
  TAVELO_GNOME_WORKDIR=$(mktemp -d /tmp/tavelo-gnome.XXXXXX)
  export TAVELO_GNOME_WORKDIR
  export XDG_CONFIG_HOME="$TAVELO_GNOME_WORKDIR/config" XDG_CACHE_HOME="$TAVELO_GNOME_WORKDIR/cache"
  export XDG_DATA_HOME="$TAVELO_GNOME_WORKDIR/data" XDG_RUNTIME_DIR="$TAVELO_GNOME_WORKDIR/runtime"
  export GSETTINGS_BACKEND=keyfile
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  exec dbus-run-session -- "$0" "$@"
fi

workdir=$TAVELO_GNOME_WORKDIR
logs=${TAVELO_DESKTOP_LOGS:-$workdir}
mkdir -p "$logs"
pids=()
display=
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
  for d in $display; do remove_x_socket "$d"; done
  rm -rf "$workdir"
}
trap cleanup EXIT

. "$(dirname "$0")/session-lib.sh"

start_private_system_bus

export XDG_CURRENT_DESKTOP=GNOME XDG_SESSION_DESKTOP=gnome XDG_SESSION_TYPE=wayland NO_AT_BRIDGE=1
unset DISPLAY WAYLAND_DISPLAY
gsettings set org.gnome.shell enabled-extensions "['ubuntu-appindicators@ubuntu.com']"
gsettings set org.gnome.shell disable-user-extensions false
# No welcome tour over the first start.
gsettings set org.gnome.shell welcome-dialog-last-shown-version '999'

wayland=tavelo-gnome-$$
gnome-shell --headless --wayland --wayland-display "$wayland" \
  --virtual-monitor 1280x1024 --virtual-monitor 1280x1024 >"$logs/gnome-shell.log" 2>&1 & pids+=($!)
# "Using public X11 display :1, (using :2 for managed services)"
wait_for 60 grep -q 'Using public X11 display' "$logs/gnome-shell.log" ||
  { echo "gnome-shell did not start Xwayland" >&2; tail "$logs/gnome-shell.log" >&2; exit 1; }
display=$(sed -nE 's/.*Using public X11 display (:[0-9]+), \(using (:[0-9]+).*/\1 \2/p' "$logs/gnome-shell.log" | head -n1)
export DISPLAY=${display%% *} WAYLAND_DISPLAY=$wayland
wait_for 10 sh -c 'ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.*'
XAUTHORITY=$(ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.* 2>/dev/null | head -n1)
export XAUTHORITY
wait_for 30 xwininfo -root || echo "Xwayland did not answer" >&2
wait_for 30 has_name org.kde.StatusNotifierWatcher || echo "the AppIndicator extension did not start" >&2
wait_for 10 has_name org.freedesktop.Notifications || echo "the shell has no notification server" >&2

"$@"
