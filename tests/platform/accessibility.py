#!/usr/bin/python3
"""What a screen reader sees of a real instance, read and driven over AT-SPI.

Runs inside tests/support/desktop-session.sh: python3-pyatspi against the private
session's accessibility bus. Usage: accessibility.py TAVELO OUTPUT_DIR
"""
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

tavelo, out = sys.argv[1], sys.argv[2]
os.makedirs(out, exist_ok=True)
work = tempfile.mkdtemp(prefix="tavelo-a11y.")
os.environ["XDG_CONFIG_HOME"] = os.path.join(work, "config")
os.environ["XDG_DATA_HOME"] = os.path.join(work, "data")
failures = []
shown = []  # objects that became visible, in order


def check(ok, what):
    print(("ok: " if ok else "FAIL: ") + what, flush=True)
    if not ok:
        failures.append(what)
    return ok


def pump(seconds):
    """Runs the event loop, collecting what appears."""
    GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    pyatspi.Registry.start()


def wait_for(seconds, condition):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        pump(0.2)
        result = condition()
        if result:
            return result
    return None


def on_showing(event):
    if event.detail1:
        shown.append(event.source)


def role(obj):
    return obj.getRoleName()


def states(obj):
    return obj.getState()


def descendants(obj):
    for child in obj:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def window_of(obj):
    while obj.parent is not None and role(obj.parent) != "application":
        obj = obj.parent
    return obj


def application():
    return next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "Tavelo"), None)


def shown_window(role_name, name):
    """The window of that role and name among the program's windows and what appeared
    since the last clear (a popup is not among the application's children)."""
    app = application()
    for obj in list(app or []) + list(shown):
        try:
            window = window_of(obj)
            if re.fullmatch(role_name, role(window)) and re.fullmatch(name, window.name):
                return window
        except Exception:  # an object gone since
            continue
    return None


def find(window, role_name, name):
    for obj in descendants(window):
        if role(obj) == role_name and obj.name == name:
            return obj
    return None


def act(obj, action):
    actions = obj.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    if not check(action in names, f"'{obj.name}' offers {action} (has {names})"):
        return
    actions.doAction(names.index(action))


def controls_are_named(window, what):
    """Every visible control says what it is; every visible text is read."""
    unnamed = []
    for obj in descendants(window):
        if not states(obj).contains(pyatspi.STATE_SHOWING):
            continue
        if role(obj) in ("push button", "check box", "spin button", "progress bar", "chart", "alert") and not obj.name:
            unnamed.append(role(obj))
    check(not unnamed, f"{what}: every control has a name (unnamed: {unnamed})")


def status():
    done = subprocess.run([tavelo, "status", "--json"], capture_output=True, text=True, timeout=10)
    return json.loads(done.stdout) if done.returncode == 0 else {}


def open_panel():
    panel = shown_window("frame", "Tavelo")
    if panel is not None and states(panel).contains(pyatspi.STATE_SHOWING):
        return panel
    shown.clear()
    subprocess.run(["gdbus", "call", "--session", "--dest", "com.tavelo.app", "--object-path", "/com/tavelo/app",
                    "--method", "com.tavelo.app.Timer1.OpenPanel"], capture_output=True, timeout=10)
    return wait_for(5, lambda: shown_window("frame", "Tavelo"))


def press_in_panel(name):
    panel = open_panel()
    if not check(panel is not None, f"the panel appears to assistive technologies (for {name})"):
        return False
    button = find(panel, "push button", name)
    if not check(button is not None, f"the panel has a button '{name}'"):
        return False
    shown.clear()
    act(button, "Press")
    return True


# A bus of this session's own: the launcher's socket would otherwise be shared with other tests.
runtime = os.path.join(work, "runtime")
os.mkdir(runtime, 0o700)
os.environ["XDG_RUNTIME_DIR"] = runtime
subprocess.run(["dbus-update-activation-environment", f"XDG_RUNTIME_DIR={runtime}", f"DISPLAY={os.environ['DISPLAY']}"],
               check=True, timeout=10)
# The program follows the desktop's accessibility switch, as it does when a screen reader runs.
subprocess.run(["gdbus", "call", "--session", "--dest", "org.a11y.Bus", "--object-path", "/org/a11y/bus",
                "--method", "org.freedesktop.DBus.Properties.Set", "org.a11y.Status", "IsEnabled", "<true>"],
               check=True, capture_output=True, timeout=10)
pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
log = open(os.path.join(out, "tavelo.log"), "w")
instance = subprocess.Popen([tavelo], stdout=log, stderr=subprocess.STDOUT)
try:
    # First run: the tour.
    tour = wait_for(15, lambda: shown_window("filler|frame|dialog", "Welcome to Tavelo"))
    if check(tour is not None, "the tour is announced with its title"):
        controls_are_named(tour, "tour")
    check(wait_for(10, lambda: status().get("phase")) is not None, "the instance answers")

    # The panel: live values and actions.
    panel = open_panel()
    if check(panel is not None, "the panel is a window named Tavelo"):
        controls_are_named(panel, "panel")
        countdown = [o for o in descendants(panel) if role(o) == "label" and re.fullmatch(r"\d+:\d\d", o.name)]
        check(len(countdown) == 1, "the countdown is read as text")
        check(any(role(o) == "separator" for o in descendants(panel)), "the dividers are separators")
        check(find(panel, "label", "Focus in progress") is not None, "the headline is read")

    if press_in_panel("Start Microbreak"):
        overlay = wait_for(5, lambda: shown_window("alert", "Microbreak"))
        if check(overlay is not None, "a break starts as an alert named after it (screen readers announce it)"):
            controls_are_named(overlay, "overlay")
            overlays = lambda: {window_of(o) for o in shown if role(window_of(o)) == "alert"}
            check(wait_for(3, lambda: any(states(o).contains(pyatspi.STATE_FOCUSED)
                                          for w in overlays() for o in [w, *descendants(w)])),
                  "a strict break takes the keyboard focus")
            check(any(re.fullmatch(r"\d+ seconds remaining", o.name) for o in descendants(overlay)),
                  "the break's countdown is read in words")
            check(status().get("phase") == "break", "Press on Start Microbreak started the break")
            skip = find(overlay, "push button", "Skip")
            if check(skip is not None, "the overlay has Skip"):
                act(skip, "Press")
                check(wait_for(5, lambda: status().get("phase") == "focus"), "Press on Skip ended the break")

    # Settings: every switch does on its toggle action what it does on a click.
    if press_in_panel("Settings…"):
        settings = wait_for(5, lambda: shown_window("filler|frame|dialog", "Tavelo Settings"))
        if check(settings is not None, "the settings window is named"):
            controls_are_named(settings, "settings")
            check(wait_for(3, lambda: any(states(o).contains(pyatspi.STATE_FOCUSED) for o in descendants(settings))),
                  "the settings window opens with the keyboard focus on a field")
            launch = find(settings, "check box", "Launch at login")
            if check(launch is not None, "Launch at login is a check box"):
                # Enabled once the program has read whether it is registered.
                check(wait_for(5, lambda: states(launch).contains(pyatspi.STATE_ENABLED)), "Launch at login is enabled")
                act(launch, "Toggle")
                autostart = [os.path.join(os.environ["XDG_CONFIG_HOME"], d) for d in ("autostart", "systemd/user")]
                check(wait_for(5, lambda: any(os.path.isdir(d) and os.listdir(d) for d in autostart)),
                      "Toggle on Launch at login registers the program")
                check(wait_for(3, lambda: states(launch).contains(pyatspi.STATE_CHECKED)),
                      "Launch at login reads as checked")
            strict = find(settings, "check box", "Strict fullscreen breaks")
            apply = find(settings, "push button", "Apply Changes")
            if check(strict is not None and apply is not None, "strict switch and Apply are there"):
                check(not states(apply).contains(pyatspi.STATE_ENABLED), "Apply reads as disabled with no changes")
                act(strict, "Toggle")
                check(wait_for(3, lambda: states(apply).contains(pyatspi.STATE_ENABLED)),
                      "Toggle on the strict switch makes a change to apply")

    # Statistics: the range buttons switch on their toggle action.
    if press_in_panel("Statistics…"):
        stats = wait_for(5, lambda: shown_window("filler|frame|dialog", "Tavelo Statistics"))
        if check(stats is not None, "the statistics window is named"):
            controls_are_named(stats, "statistics")
            today = find(stats, "check box", "Today")
            week = find(stats, "check box", "7 Days")
            chart = next((o for o in descendants(stats) if role(o) == "chart"), None)
            if check(None not in (today, week, chart), "the ranges and the chart are there"):
                spanned = chart.description
                act(today, "Toggle")
                check(wait_for(3, lambda: states(today).contains(pyatspi.STATE_CHECKED)
                               and not states(week).contains(pyatspi.STATE_CHECKED)
                               and chart.description != spanned),
                      f"Toggle on Today switches the range (chart: '{spanned}' -> '{chart.description}')")
finally:
    instance.terminate()
    try:
        instance.wait(10)
    except subprocess.TimeoutExpired:
        instance.kill()
    shutil.rmtree(work, ignore_errors=True)

print(f"{len(failures)} failure(s)")
sys.exit(1 if failures else 0)
