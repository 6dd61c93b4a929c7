#!/usr/bin/env bash
# Runs a command inside a private headless Xfce: Xvfb with two 1280x1024 monitors side
# by side, xfwm4, xfce4-panel with only a system tray (XEmbed and StatusNotifierItem
# host), xfce4-notifyd, and a private session bus; xfconfd comes by bus activation and
# reads its channels from a private XDG_CONFIG_HOME. Everything started here is stopped
# by PID when the command ends. Usage: xfce-session.sh COMMAND...
set -u

# The private folders are set before the bus starts: services it activates (xfconfd)
# inherit its environment, and would otherwise write to the user's own config.
if [ -z "${TAVELO_XFCE_WORKDIR:-}" ]; then
  TAVELO_XFCE_WORKDIR=$(mktemp -d /tmp/tavelo-xfce.XXXXXX)
  export TAVELO_XFCE_WORKDIR
  export XDG_CONFIG_HOME="$TAVELO_XFCE_WORKDIR/config" XDG_CACHE_HOME="$TAVELO_XFCE_WORKDIR/cache"
  export XDG_DATA_HOME="$TAVELO_XFCE_WORKDIR/data" XDG_RUNTIME_DIR="$TAVELO_XFCE_WORKDIR/runtime"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  exec dbus-run-session -- "$0" "$@"
fi

workdir=$TAVELO_XFCE_WORKDIR
pids=()
cleanup() {
  # xfconfd came by bus activation: its PID comes from the bus.
  local xfconfd
  xfconfd=$(dbus-send --session --print-reply=literal --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.GetConnectionUnixProcessID string:org.xfce.Xfconf 2>/dev/null | awk '{print $NF}')
  for pid in "${pids[@]}" $xfconfd; do kill "$pid" 2>/dev/null; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
  [ -n "$xfconfd" ] && while kill -0 "$xfconfd" 2>/dev/null; do sleep 0.05; done
  rm -rf "$workdir"
}
trap cleanup EXIT

. "$(dirname "$0")/session-lib.sh"

export XDG_CURRENT_DESKTOP=XFCE XDG_SESSION_DESKTOP=xfce
# No accessibility bus: it would be one more daemon to start and stop.
export NO_AT_BRIDGE=1
# One panel along the top of the first monitor, holding a tray only. With no channel
# the panel would ask on first start which layout to use.
channels="$XDG_CONFIG_HOME/xfce4/xfconf/xfce-perchannel-xml"
mkdir -p "$channels"
cat >"$channels/xfce4-panel.xml" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-panel" version="1.0">
  <property name="configver" type="int" value="2"/>
  <property name="panels" type="array">
    <value type="int" value="1"/>
    <property name="panel-1" type="empty">
      <property name="position" type="string" value="p=6;x=0;y=0"/>
      <property name="length" type="uint" value="100"/>
      <property name="position-locked" type="bool" value="true"/>
      <property name="size" type="uint" value="26"/>
      <property name="plugin-ids" type="array">
        <value type="int" value="1"/>
        <value type="int" value="2"/>
      </property>
    </property>
  </property>
  <property name="plugins" type="empty">
    <property name="plugin-1" type="string" value="separator">
      <property name="expand" type="bool" value="true"/>
    </property>
    <property name="plugin-2" type="string" value="systray"/>
  </property>
</channel>
XML

Xvfb -displayfd 3 -screen 0 2560x1024x24 +extension MIT-SCREEN-SAVER +extension RANDR -noreset -nolisten tcp \
  3>"$workdir/display" 2>"$workdir/xvfb.log" & pids+=($!)
wait_for 10 test -s "$workdir/display" || { echo "Xvfb did not start" >&2; cat "$workdir/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$workdir/display")"
unset WAYLAND_DISPLAY
export XDG_SESSION_TYPE=x11

xrandr --setmonitor TAVELO-A 1280/338x1024/270+0+0 screen >/dev/null 2>&1
xrandr --setmonitor TAVELO-B 1280/338x1024/270+1280+0 none >/dev/null 2>&1

logs=${TAVELO_DESKTOP_LOGS:-$workdir}
mkdir -p "$logs"
xfwm4 --compositor=off --sm-client-disable >"$logs/xfwm4.log" 2>&1 & pids+=($!)
wait_for 15 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || echo "xfwm4 did not start" >&2

/usr/lib/x86_64-linux-gnu/xfce4/notifyd/xfce4-notifyd >"$logs/xfce4-notifyd.log" 2>&1 & pids+=($!)
wait_for 15 has_name org.freedesktop.Notifications || echo "xfce4-notifyd did not start" >&2

xfce4-panel --sm-client-disable >"$logs/xfce4-panel.log" 2>&1 & pids+=($!)
wait_for 20 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null &&
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.kde.StatusNotifierWatcher | grep -q true' \
  || echo "xfce4-panel did not start its tray" >&2

"$@"
