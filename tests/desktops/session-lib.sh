# Shared by the *-session.sh scripts, which source it after setting up `workdir` and `pids`.

wait_for() { # timeout-seconds command...
  local deadline=$((SECONDS + $1)); shift
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -ge $deadline ] && return 1
    sleep 0.05
  done
}

has_name() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner "string:$1" | grep -q true
}

# Shells that expect logind (the container has /run/systemd/seats) stop without a system
# bus; a bare private one is enough.
start_private_system_bus() {
  dbus-daemon --session --nofork --print-address=3 3>"$workdir/system-bus" >/dev/null 2>&1 & pids+=($!)
  wait_for 20 test -s "$workdir/system-bus"
  DBUS_SYSTEM_BUS_ADDRESS=$(head -n1 "$workdir/system-bus")
  export DBUS_SYSTEM_BUS_ADDRESS
}

# Xwayland's socket and lock live in the shared /tmp, named after its display.
remove_x_socket() { # display
  [ -n "$1" ] && rm -f "/tmp/.X11-unix/X${1#:}" "/tmp/.X${1#:}-lock"
}
