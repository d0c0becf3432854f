#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Fendrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real window on a virtual X server, through the menu bar by keyboard alone: F10 and
# the arrows reach the title without items that switches the angle unit, Enter and Space
# switch it, Escape gives the keys back to the canvas, and an arrow pressed while the bar
# is in use does not move the selected tip.
# Usage: xvfb_menu_keys.sh FENDREL XWD_PIXELS
set -u
app=$1
pixels=$2
source "$(dirname "$0")/xvfb_session.sh"
window_session_open "$app" "$pixels"

# The bar as painted: the captions show the angle unit, and a highlighted title shows too.
bar_shot() { "$pixels" "$SCREEN_DUMP" png "$1" "$X" "$Y" "$WIDTH" $((CANVAS_TOP - Y)); }
bar_as_at_start() { bar_shot "$WORK/bar.png" && cmp -s "$WORK/bar.png" "$WORK/start.png"; }
bar_changed() { ! bar_as_at_start; }
bar_shot "$WORK/start.png" || fail "no picture of the menu bar"

# File, A, B, then R (locked at the start, so passed over), then the unit's title.
to_unit="F10 Right Right Right"
press() { xdotool key --clearmodifiers --delay 100 "$@"; }
xdotool windowfocus --sync "$WINDOW"
press $to_unit Return
eventually bar_changed || fail "Enter on the unit's title changed nothing in the bar"
press $to_unit space
eventually bar_as_at_start || fail "Space did not switch the unit back, or the bar stayed highlighted"
# Tab selects B. Up inside the bar, then Escape and Down on the canvas: B's tip is at
# (6960, 5160); had Up reached the canvas, Down would have brought it back to (6960, 5040).
press Tab $to_unit Up Escape Down
eventually shows_colour "$pixels" 6600 5147 00FF00 || fail "B's tip is not 120 below its start: Up reached the canvas, or Escape did not leave the bar"
echo "PASS: the menu bar by keyboard under Xvfb"
