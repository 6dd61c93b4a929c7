#!/usr/bin/python3
# Stands in for the desktop portal's settings on the demo's session bus: the appearance's
# colour scheme (0 none, 1 dark, 2 light; the first argument), switched while running by
# SIGUSR1 (dark) and SIGUSR2 (light), announced with SettingChanged.
import signal
import sys

from gi.repository import Gio, GLib

PATH = "/org/freedesktop/portal/desktop"
INTERFACE = "org.freedesktop.portal.Settings"
XML = f"""<node><interface name="{INTERFACE}">
  <method name="ReadOne"><arg type="s" direction="in"/><arg type="s" direction="in"/><arg type="v" direction="out"/></method>
  <method name="Read"><arg type="s" direction="in"/><arg type="s" direction="in"/><arg type="v" direction="out"/></method>
  <signal name="SettingChanged"><arg type="s"/><arg type="s"/><arg type="v"/></signal>
</interface></node>"""
KEY = ("org.freedesktop.appearance", "color-scheme")

scheme = int(sys.argv[1]) if len(sys.argv) > 1 else 0
connection = None


def handle(_conn, _sender, _path, _interface, method, parameters, invocation):
    if tuple(parameters.unpack()) != KEY:
        invocation.return_dbus_error("org.freedesktop.portal.Error.NotFound", "no such setting")
        return
    value = GLib.Variant("u", scheme)
    # Read, the older call, wraps the value once more.
    if method == "Read":
        value = GLib.Variant("v", value)
    invocation.return_value(GLib.Variant("(v)", (value,)))


def switch(value):
    global scheme
    scheme = value
    if connection:
        connection.emit_signal(None, PATH, INTERFACE, "SettingChanged",
                               GLib.Variant("(ssv)", (*KEY, GLib.Variant("u", value))))
    return GLib.SOURCE_CONTINUE


def acquired(conn, _name):
    global connection
    connection = conn
    conn.register_object(PATH, Gio.DBusNodeInfo.new_for_xml(XML).interfaces[0], handle, None, None)


loop = GLib.MainLoop()
Gio.bus_own_name(Gio.BusType.SESSION, "org.freedesktop.portal.Desktop", Gio.BusNameOwnerFlags.NONE,
                 acquired, None, lambda *_: loop.quit())
GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGUSR1, switch, 1)
GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGUSR2, switch, 2)
GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGTERM, loop.quit)
loop.run()
