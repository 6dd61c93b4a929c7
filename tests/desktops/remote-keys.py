#!/usr/bin/python3
# Types keys on GNOME the way a remote desktop client does: mutter's RemoteDesktop
# session (keyboard only; the pointer would need a screen cast stream). Reads one key
# name a line (a letter, or Escape, Shift_L) and prints "ok" once the session runs.
# The session lives as long as this process keeps its bus connection.
import sys

from gi.repository import Gio, GLib

KEYSYMS = {"Escape": 0xFF1B, "Shift_L": 0xFFE1, "Return": 0xFF0D}

bus = Gio.bus_get_sync(Gio.BusType.SESSION)


def call(path, interface, method, args=None, reply="()"):
    return bus.call_sync("org.gnome.Mutter.RemoteDesktop", path, interface, method, args,
                         GLib.VariantType(reply), Gio.DBusCallFlags.NONE, 60000, None)


session = call("/org/gnome/Mutter/RemoteDesktop", "org.gnome.Mutter.RemoteDesktop", "CreateSession",
               reply="(o)")[0]
call(session, "org.gnome.Mutter.RemoteDesktop.Session", "Start")
print("ok", flush=True)
for line in sys.stdin:
    name = line.strip()
    if not name:
        continue
    keysym = KEYSYMS.get(name, ord(name[0]))
    for pressed in (True, False):
        call(session, "org.gnome.Mutter.RemoteDesktop.Session", "NotifyKeyboardKeysym",
             GLib.Variant("(ub)", (keysym, pressed)))
    print("sent", name, flush=True)
