"""The main window as a screen reader meets it, through AT-SPI: the entry fields
found by their names, "255" typed with AT-SPI's keyboard events, the results read
back. Run inside its own session bus: atspi.py PROGRAM."""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib


def wait(what, probe):
    for _ in range(200):
        # The client's view of the program follows its events.
        while GLib.MainContext.default().iteration(False):
            pass
        found = probe()
        if found:
            return found
        time.sleep(0.1)
    sys.exit(f"FAIL: no {what}")


def named(root, name, role=None):
    return pyatspi.findDescendant(root, lambda a: name in (None, a.name) and role in (None, a.getRole()))


# A screen reader switches the bridge on through the accessibility bus's status.
subprocess.run(["dbus-send", "--session", "--dest=org.a11y.Bus", "/org/a11y/bus",
                "org.freedesktop.DBus.Properties.Set", "string:org.a11y.Status",
                "string:IsEnabled", "variant:boolean:true"], check=True)
program = subprocess.Popen([sys.argv[1], "-platform", "xcb"])
try:
    app = wait("Voxtrel on the accessibility bus",
                lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Voxtrel"), None))
    field = wait("control named Decimal number", lambda: named(app, "Decimal number"))
    x, y, width, height = field.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(x + width // 2, y + height // 2, "b1c")
    wait("focus in the decimal field", lambda: field.getState().contains(pyatspi.STATE_FOCUSED))
    for digit in "255":
        pyatspi.Registry.generateKeyboardEvent(ord(digit), None, pyatspi.KEY_SYM)
    # The results labels show their captions as their names, in their frames.
    results = lambda: [named(named(app, frame, pyatspi.ROLE_PANEL), None, pyatspi.ROLE_LABEL) for frame in (" Hex ", " Binary ")]
    wait("results FF and 11111111", lambda: [label.name for label in results()] == ["FF", "11111111"])
    print(f"decimal field: {field.name!r}, described {field.description!r}")
    if field.description != "Hexadecimal FF, Binary 11111111":
        sys.exit("FAIL: the decimal field does not carry the results")
    for k in range(5):
        wait(f"binary box {k}", lambda: named(app, f"Binary digits {4 * k + 1} to {4 * k + 4} from the right"))
    print("PASS: found by name, typed into and read back through AT-SPI")
finally:
    program.kill()
