# The main window as a screen reader meets it, through AT-SPI: the entry fields found
# by name, "255" typed with AT-SPI's keyboard events, the results read back. Runs on a
# session bus of its own, with a settings and runtime folder of its own, so that it
# neither reads nor writes the user's desktop settings: atspi.py PROGRAM.
import os
import subprocess
import sys
import tempfile
import time

if "VOXTREL_ATSPI_BUS" not in os.environ:
    if not os.environ.get("DISPLAY"):
        sys.exit(print("SKIP: no X server (DISPLAY is not set)") or 77)
    if subprocess.run(["dbus-run-session", "--", "true"], capture_output=True).returncode:
        sys.exit(print("SKIP: no session bus (dbus-run-session failed)") or 77)
    with tempfile.TemporaryDirectory() as home:
        folders = ("HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR", "XDG_CACHE_HOME", "XDG_DATA_HOME")
        env = dict(os.environ, VOXTREL_ATSPI_BUS="1", **dict.fromkeys(folders, home))
        sys.exit(subprocess.run(["dbus-run-session", "--", sys.executable, *sys.argv], env=env).returncode)

import pyatspi
from gi.repository import GLib


def wait(what, probe):
    for _ in range(200):
        while GLib.MainContext.default().iteration(False):  # the client follows the events
            pass
        if found := probe():
            return found
        if program.poll() is not None:
            sys.exit(f"FAIL: the program ended while waiting for {what}")
        time.sleep(0.1)
    sys.exit(f"FAIL: no {what}")


def find(root, name=None, role=None):
    return pyatspi.findDescendant(root, lambda a: name in (None, a.name) and role in (None, a.getRole()))


# A screen reader switches Qt's bridge on through the accessibility bus's status. The
# call waits for its reply: the bus launcher is started by this very call, and a call
# whose sender has left by then is dropped.
subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
                "org.freedesktop.DBus.Properties.Set", "string:org.a11y.Status", "string:IsEnabled",
                "variant:boolean:true"], check=True, stdout=subprocess.DEVNULL)
program = subprocess.Popen([sys.argv[1], "-platform", "xcb"])
try:
    app = wait("Voxtrel", lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Voxtrel"), None))
    field = wait("field named Decimal number", lambda: find(app, "Decimal number"))
    x, y, width, height = field.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(x + width // 2, y + height // 2, "b1c")
    wait("focus in the decimal field", lambda: field.getState().contains(pyatspi.STATE_FOCUSED))
    for digit in "255":
        pyatspi.Registry.generateKeyboardEvent(ord(digit), None, pyatspi.KEY_SYM)
    # A result label's name is its caption.
    labels = lambda: [find(find(app, frame, pyatspi.ROLE_PANEL), role=pyatspi.ROLE_LABEL).name for frame in (" Hex ", " Binary ")]
    wait("results FF and 11111111", lambda: labels() == ["FF", "11111111"])
    wait("description of the results", lambda: field.description == "Hexadecimal FF, Binary 11111111")
    for k in range(5):
        wait(f"binary box {k}", lambda: find(app, f"Binary digits {4 * k + 1} to {4 * k + 4} from the right"))
    print(f"PASS: {field.name!r} described {field.description!r}; labels {labels()}")
finally:
    program.kill()
