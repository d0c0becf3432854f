#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Fendrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real window on a virtual X server, through its real file dialogs: Ctrl+S saves the
# dragged figure under a name typed without extension, the title names the file and marks
# changes, and Ctrl+O first saves what changed (Enter takes the question's Save), then opens
# another lesson, which the window then shows.
# Usage: xvfb_lesson_files.sh FENDREL XWD_PIXELS FENDREL_SCRIPT
set -u
app=$1
pixels=$2
driver=$3
source "$(dirname "$0")/xvfb_session.sh"
# The recent files and the dialogs' history stay in the session's folder.
export XDG_CONFIG_HOME=$(mktemp -d)
window_session_open "$app" "$pixels"
trap 'session_stop; rm -rf "$WORK" "$XDG_CONFIG_HOME"' EXIT
colour_a=FF8080  # 0x8080FF with red in the low byte

# Another lesson, made by the driver: A's tip at (7000, 4000).
printf 'load\nmove 1 7000 4000\nsave %s\n' "$WORK/other.fendrel" | "$driver" || fail "the driver made no lesson"

title() { xdotool getwindowname "$WINDOW"; }
titled() { [[ "$(title)" == "$1" ]]; }
drag_a_to() {
    xdotool mousemove "$(screen_x 1500)" "$(screen_y 6000)" mousedown 1 \
        mousemove "$(screen_x "$1")" "$(screen_y "$2")" mouseup 1
}

drag_a_to 6000 1500
eventually titled "Fendrel*" || fail "after a drag the title is \"$(title)\", not marked as changed"
xdotool windowfocus --sync "$WINDOW"
xdotool key --clearmodifiers ctrl+s
answer_dialog "Save Lesson" "$WORK/lesson"
eventually test -f "$WORK/lesson.fendrel" || fail "Ctrl+S wrote no lesson.fendrel"
eventually titled "lesson.fendrel — Fendrel" || fail "after saving the title is \"$(title)\""
grep -q '"tip": \[6000, 1500\]' "$WORK/lesson.fendrel" || fail "the saved lesson does not hold A's tip: $(cat "$WORK/lesson.fendrel")"

drag_a_to 2010 2010
eventually titled "lesson.fendrel* — Fendrel" || fail "after a second drag the title is \"$(title)\""
xdotool windowfocus --sync "$WINDOW"
xdotool key --clearmodifiers ctrl+o
answer_dialog "Unsaved Changes" ""
answer_dialog "Open Lesson" "$WORK/other.fendrel"
eventually titled "other.fendrel — Fendrel" || fail "after opening the title is \"$(title)\""
grep -q '"tip": \[2010, 2010\]' "$WORK/lesson.fendrel" || fail "the question's Save did not save the second drag"
# A runs from the origin (3720, 5040) to (7000, 4000): its middle is painted, its old place is not.
eventually shows_colour "$pixels" 5360 4520 $colour_a || fail "the opened lesson's A is not painted"
shows_colour "$pixels" 2865 3525 $colour_a && fail "A is still painted where it was dragged before"
echo "PASS: Ctrl+S and Ctrl+O through the real dialogs under Xvfb"
