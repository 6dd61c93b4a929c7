#!/usr/bin/env bash
# Starts a headless sway as an unprivileged uid (sway refuses to run as root), prints the
# path of its Wayland socket, and stops it by PID when stdin closes or on TERM/INT.
# Exits 77 when sway cannot be run here.
set -u
uid=${TAVELO_SWAY_UID:-4242}

skip() { echo "$*" >&2; exit 77; }
command -v sway >/dev/null || skip "sway is not installed"
command -v setpriv >/dev/null || skip "setpriv is not installed"
nss=$(ls /usr/lib/*/libnss_wrapper.so /usr/lib/libnss_wrapper.so 2>/dev/null | head -n1)
[ -n "$nss" ] || skip "libnss_wrapper is not installed (libnss-wrapper)"

workdir=$(mktemp -d /tmp/tavelo-sway.XXXXXX)
chmod 755 "$workdir"
mkdir -m 700 "$workdir/run" "$workdir/home"
chown "$uid:$uid" "$workdir/run" "$workdir/home"
echo "tavelo:x:$uid:$uid::$workdir/home:/bin/sh" >"$workdir/passwd"
echo "tavelo:x:$uid:" >"$workdir/group"
printf 'xwayland disable\n' >"$workdir/config"

pid= reader=
cleanup() {
  [ -n "$reader" ] && kill "$reader" 2>/dev/null
  [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  rm -rf "$workdir"
}
trap cleanup EXIT
trap 'exit 0' TERM INT

setpriv --reuid="$uid" --regid="$uid" --clear-groups \
  env -u WAYLAND_DISPLAY -u DISPLAY -u DBUS_SESSION_BUS_ADDRESS HOME="$workdir/home" XDG_RUNTIME_DIR="$workdir/run" \
  LD_PRELOAD="$nss" NSS_WRAPPER_PASSWD="$workdir/passwd" NSS_WRAPPER_GROUP="$workdir/group" \
  WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
  sway -c "$workdir/config" >"$workdir/sway.log" 2>&1 &
pid=$!

# Ready once it answers on its IPC socket: by then it serves Wayland clients too.
deadline=$((SECONDS + 30))
until SWAYSOCK=$(ls "$workdir"/run/sway-ipc.*.sock 2>/dev/null | head -n1) && [ -n "$SWAYSOCK" ] &&
  SWAYSOCK=$SWAYSOCK swaymsg -t get_version >/dev/null 2>&1; do
  if ! kill -0 "$pid" 2>/dev/null || [ $SECONDS -ge $deadline ]; then
    echo "sway did not start:" >&2
    cat "$workdir/sway.log" >&2
    exit 1
  fi
  sleep 0.05
done
socket=$(ls "$workdir"/run/wayland-* | grep -v '\.lock$' | head -n1)
echo "$socket"

# Until the caller closes our stdin (or dies), or sway does. A background job's stdin
# would be /dev/null, hence the copy.
exec 3<&0
cat <&3 >/dev/null &
reader=$!
while kill -0 "$reader" 2>/dev/null && kill -0 "$pid" 2>/dev/null; do
  wait -n "$reader" "$pid" 2>/dev/null
done
