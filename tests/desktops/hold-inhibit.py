#!/usr/bin/python3
# Turns on Do Not Disturb the way Plasma's own switch does for an application: an
# Inhibit call on the notification server, held for as long as this process keeps its
# bus connection. Prints "ok COOKIE" once the server granted it.
import sys

from gi.repository import Gio, GLib

bus = Gio.bus_get_sync(Gio.BusType.SESSION)
cookie = bus.call_sync("org.freedesktop.Notifications", "/org/freedesktop/Notifications",
                       "org.freedesktop.Notifications", "Inhibit",
                       GLib.Variant("(ssa{sv})", ("tavelo-matrix", "Do Not Disturb", {})),
                       GLib.VariantType("(u)"), Gio.DBusCallFlags.NONE, 5000, None)[0]
print("ok", cookie, flush=True)
sys.stdin.read()
