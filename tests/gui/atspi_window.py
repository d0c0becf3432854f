# SPDX-FileCopyrightText: 2026 The Fendrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""What the probes that read the window over the desktop accessibility bus share: bounded
waits (which also deliver the bus's events), finding a node by name, and running the window
for one check that ends it in any case. Exits with 77 when pyatspi is not installed."""
import subprocess
import sys
import time

try:
    import pyatspi
    from gi.repository import GLib
except ImportError:
    print("SKIPPED: pyatspi is not installed")
    sys.exit(77)


def wait_for(what, probe, seconds):
    deadline = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < deadline:
        while context.pending():
            context.iteration(False)
        try:
            found = probe()
        except Exception:  # the bus or the application may still be starting
            found = None
        if found:
            return found
        time.sleep(0.2)
    sys.exit(f"FAIL: {what} within {seconds} s")


# The node below `node` named `name` (and of the role, when given).
def find_named(node, name, role=None, depth=0):
    if node is None or depth > 14:
        return None
    if node.name == name and role in (None, node.getRole()):
        return node
    for i in range(node.childCount):
        hit = find_named(node.getChildAtIndex(i), name, role, depth + 1)
        if hit is not None:
            return hit
    return None


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name.lower().startswith("fendrel"):
            return app
    return None


# Starts the COMMAND, waits for its window (titled as the pattern TITLE says) and runs
# check(window) on it; the window is ended in any case.
def run_window(command, check, title="^Fendrel$"):
    app = subprocess.Popen(command)
    try:
        search = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", title],
                                capture_output=True, text=True, timeout=20)
        windows = search.stdout.split()
        if not windows:
            sys.exit("FAIL: no window named Fendrel appeared")
        check(windows[0])
    finally:
        app.terminate()
        try:
            app.wait(timeout=5)
        except subprocess.TimeoutExpired:
            app.kill()
            app.wait()
