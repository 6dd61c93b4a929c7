#!/usr/bin/python3
# The user's app behind a break: a plain window that logs, one a line, the keys it gets
# and when it gains or loses the keyboard focus. Prints "window X_ID" (0 on Wayland)
# once mapped. Native Wayland where GDK_BACKEND says so, else X11.
# Usage: key-logger.py TITLE
import sys

import gi

gi.require_version("Gtk", "3.0")
gi.require_version("Gdk", "3.0")
from gi.repository import Gdk, Gtk  # noqa: E402


def log(*words):
    print(*words, flush=True)


window = Gtk.Window(title=sys.argv[1])
window.set_default_size(400, 300)
window.connect("key-press-event", lambda _w, e: log("KeyPress", Gdk.keyval_name(e.keyval)))
window.connect("focus-in-event", lambda *_: log("FocusIn"))
window.connect("focus-out-event", lambda *_: log("FocusOut"))
window.connect("destroy", Gtk.main_quit)


def mapped(*_):
    gdk_window = window.get_window()
    log("window", hex(gdk_window.get_xid()) if hasattr(gdk_window, "get_xid") else 0)


window.connect("map-event", mapped)
window.show_all()
Gtk.main()
