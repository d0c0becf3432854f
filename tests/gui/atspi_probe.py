# SPDX-FileCopyrightText: 2026 The Fendrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the window's figure over the desktop accessibility bus, as a screen reader does.

Usage: atspi_probe.py FENDREL   (inside accessibility_session.sh)
Starts the window, finds the node "Vectors" and its children "Vector A", "Vector B" and
"Vector R", presses Right with xdotool and waits for the description of "Vector A" to
change. Every wait is bounded; the window is ended in any case.
"""
import subprocess
import sys

from atspi_window import application, find_named, pyatspi, run_window, wait_for


def find_figure():
    app = application()
    return find_named(app, "Vectors") if app is not None else None


def check(window):
    figure = wait_for('no node named "Vectors"', find_figure, 30)
    role = figure.getRole()
    if role not in (pyatspi.ROLE_CANVAS, pyatspi.ROLE_IMAGE):
        sys.exit(f"FAIL: the figure's role is {figure.getRoleName()}")
    names = [figure.getChildAtIndex(i).name for i in range(figure.childCount)]
    if names != ["Vector A", "Vector B", "Vector R"]:
        sys.exit(f"FAIL: the figure's children are {names}")
    vector_a = figure.getChildAtIndex(0)
    before = vector_a.description
    print(f'"Vector A" reads "{before}"')
    if before != "A= 4200, 90°; Ax= 0; Ay= 4200":
        sys.exit("FAIL: unexpected start-up description")
    if not vector_a.getState().contains(pyatspi.STATE_SELECTED):
        sys.exit('FAIL: "Vector A" is not selected')

    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True, timeout=10)
    subprocess.run(["xdotool", "key", "--delay", "50", "Right"], check=True, timeout=10)
    after = wait_for('no new description of "Vector A"',
                     lambda: vector_a.description if vector_a.description != before else None, 15)
    print(f'after Right "Vector A" reads "{after}"')
    if after != "A= 4201.71, 88.36°; Ax= 120; Ay= 4200":
        sys.exit("FAIL: unexpected description after Right")
    print("PASS: the figure reached the accessibility bus and followed the key")


run_window([sys.argv[1]], check)
