#!/usr/bin/env bash
# Runs a command inside a private headless sway: two 1280x1024 outputs side by side,
# Xwayland, waybar with a tray (StatusNotifierItem host and watcher) on the first
# output, mako, and a private session bus. sway refuses to run as root, so everything
# runs as uid 4242, named through libnss_wrapper instead of /etc. Everything started
# here is stopped by PID when the command ends. Usage: sway-session.sh COMMAND...
set -u
uid=4242

if [ "$(id -u)" -eq 0 ]; then
  workdir=$(mktemp -d /tmp/tavelo-sway.XXXXXX)
  printf 'tavelo:x:%s:%s:Tavelo:%s/home:/bin/sh\n' $uid $uid "$workdir" >"$workdir/passwd"
  printf 'tavelo:x:%s:\n' $uid >"$workdir/group"
  mkdir -p "$workdir/home" "$workdir/runtime" ${TAVELO_DESKTOP_LOGS:+"$TAVELO_DESKTOP_LOGS"}
  chmod 700 "$workdir/runtime"
  chown -R $uid:$uid "$workdir" ${TAVELO_DESKTOP_LOGS:+"$TAVELO_DESKTOP_LOGS"}
  chmod 755 "$workdir"
  nss=$(ls /usr/lib/*/libnss_wrapper.so 2>/dev/null | head -n1)
  env HOME="$workdir/home" USER=tavelo LOGNAME=tavelo TAVELO_SWAY_WORKDIR="$workdir" \
    LD_PRELOAD="$nss" NSS_WRAPPER_PASSWD="$workdir/passwd" NSS_WRAPPER_GROUP="$workdir/group" \
    setpriv --reuid=$uid --regid=$uid --clear-groups "$0" "$@"
  rc=$?
  rm -rf "$workdir"
  exit $rc
fi

if [ -z "${TAVELO_SWAY_BUS:-}" ]; then
  workdir=$TAVELO_SWAY_WORKDIR
  export XDG_CONFIG_HOME="$workdir/config" XDG_CACHE_HOME="$workdir/cache"
  export XDG_DATA_HOME="$workdir/data" XDG_RUNTIME_DIR="$workdir/runtime"
  export TAVELO_SWAY_BUS=1
  exec dbus-run-session -- "$0" "$@"
fi

workdir=$TAVELO_SWAY_WORKDIR
logs=${TAVELO_DESKTOP_LOGS:-$workdir}
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
  remove_x_socket "${DISPLAY:-}"
}
trap cleanup EXIT

. "$(dirname "$0")/session-lib.sh"

export XDG_CURRENT_DESKTOP=sway XDG_SESSION_DESKTOP=sway XDG_SESSION_TYPE=wayland NO_AT_BRIDGE=1
mkdir -p "$XDG_CONFIG_HOME/sway" "$XDG_CONFIG_HOME/waybar" "$XDG_CONFIG_HOME/mako"
# "force" starts Xwayland now rather than on the first X client, so DISPLAY is known.
cat >"$XDG_CONFIG_HOME/sway/config" <<EOF
xwayland force
output HEADLESS-1 mode 1280x1024 position 0 0
exec echo "\$SWAYSOCK \$WAYLAND_DISPLAY \$DISPLAY" >"$workdir/sway-env"
EOF
cat >"$XDG_CONFIG_HOME/waybar/config" <<'EOF'
{ "output": "HEADLESS-1", "position": "top", "height": 26,
  "modules-left": [], "modules-center": [], "modules-right": ["tray"],
  "tray": { "spacing": 4 } }
EOF
# The mode the desktop's own do-not-disturb switch sets.
printf '[mode=do-not-disturb]\ninvisible=1\n' >"$XDG_CONFIG_HOME/mako/config"

WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
  sway -c "$XDG_CONFIG_HOME/sway/config" >"$logs/sway.log" 2>&1 & pids+=($!)
wait_for 30 test -s "$workdir/sway-env" || { echo "sway did not start" >&2; tail "$logs/sway.log" >&2; exit 1; }
read -r SWAYSOCK WAYLAND_DISPLAY DISPLAY <"$workdir/sway-env"
export SWAYSOCK WAYLAND_DISPLAY DISPLAY
swaymsg create_output >/dev/null
swaymsg output HEADLESS-2 mode 1280x1024 position 1280 0 >/dev/null
wait_for 20 xwininfo -root || echo "Xwayland did not start" >&2

# Without input devices the seat has no keyboard and no window ever gets the focus; a
# virtual keyboard held open for the session gives it one.
wtype -s 86400000 & pids+=($!)
mako >"$logs/mako.log" 2>&1 & pids+=($!)
waybar >"$logs/waybar.log" 2>&1 & pids+=($!)
wait_for 20 sh -c 'dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.kde.StatusNotifierWatcher | grep -q true' \
  || echo "waybar did not start its tray" >&2
wait_for 10 sh -c 'dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.freedesktop.Notifications | grep -q true' \
  || echo "mako did not start" >&2

"$@"
