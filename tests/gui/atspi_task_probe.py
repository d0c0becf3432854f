# SPDX-FileCopyrightText: 2026 The Fendrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads a task over the desktop accessibility bus, as a screen reader does.

Usage: atspi_task_probe.py FENDREL LESSON   (inside accessibility_session.sh; LESSON is the
predict example)
Starts the window on the lesson and expects its instruction to be announced (a notification
that appears) and "Vector R" to read "?"; checks with Ctrl+Return, typing two wrong and then
the right magnitude into the prompt, and expects each feedback to be announced (the same one
twice), and R to read its values once solved. Every wait is bounded; the window is ended in any case.
"""
import subprocess
import sys

from atspi_window import application, find_named, pyatspi, run_window, wait_for

announced = []  # the names of the notifications that appeared, in order


def on_showing(event):
    try:
        if event.detail1 == 1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
            announced.append(event.source.name)
    except Exception:  # the node may be gone already
        pass


def answer(window, typed):
    subprocess.run(["xdotool", "windowfocus", "--sync", window, "key", "ctrl+Return"], check=True, timeout=10)
    prompt = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Your Answer$"],
                            capture_output=True, text=True, timeout=20).stdout.split()
    if not prompt:
        sys.exit("FAIL: Ctrl+Return opened no prompt")
    subprocess.run(["xdotool", "windowfocus", "--sync", prompt[0], "type", "--delay", "50", typed], check=True, timeout=10)
    subprocess.run(["xdotool", "key", "Return"], check=True, timeout=10)


def expect_announced(text, times=1):
    wait_for(f'no announcement "{text}" ({times})', lambda: announced.count(text) >= times, 15)
    print(f'announced: "{text}"')


def check(window):
    app = wait_for("no Fendrel application on the bus", application, 30)
    task = wait_for('no group "Task"', lambda: find_named(app, "Task", pyatspi.ROLE_PANEL), 30)
    instruction = "A and B are perpendicular. How long is R? Press Check and type your answer."
    if task.getChildAtIndex(0).name != instruction:
        sys.exit(f'FAIL: the task reads "{task.getChildAtIndex(0).name}"')
    expect_announced(instruction)
    vector_r = wait_for('no "Vector R"', lambda: find_named(app, "Vector R", pyatspi.ROLE_IMAGE), 10)
    if vector_r.description != "R= ?, ?°; Rx= ?; Ry= ?; locked":
        sys.exit(f'FAIL: the hidden R reads "{vector_r.description}"')
    answer(window, "4")
    expect_announced("The magnitude is too small.")
    answer(window, "4.5")  # the same feedback again, announced again
    expect_announced("The magnitude is too small.", 2)
    answer(window, "5")
    expect_announced("The magnitude is right.\nSolved in 3 attempts.")
    solved = wait_for('no values of "Vector R"', lambda: "?" not in vector_r.description and vector_r.description, 10)
    if solved != "R= 5, 53.13°; Rx= 3; Ry= 4; locked":
        sys.exit(f'FAIL: the solved R reads "{solved}"')
    print("PASS: the task's instruction and feedback reached the accessibility bus as announcements")


pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
run_window([sys.argv[1], sys.argv[2]], check, title="Fendrel$")
