#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Fendrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real window on a virtual X server: it opens in English on a desktop of a language that
# has no catalogue and with settings that are a named pipe, carries the class its desktop
# entry names, the arrows are painted where their window units put them, and a left-button
# drag with real button state moves A's tip.
# Usage: xvfb_smoke.sh FENDREL XWD_PIXELS DESKTOP_ENTRY
set -u
app=$1
pixels=$2
entry=$3
source "$(dirname "$0")/xvfb_session.sh"
export LANGUAGE=ja:nl XDG_CONFIG_HOME=$(mktemp -d)
mkdir "$XDG_CONFIG_HOME/fendrel" && mkfifo "$XDG_CONFIG_HOME/fendrel/fendrel.conf"
window_session_open "$app" "$pixels"
trap 'session_stop; rm -rf "$WORK" "$XDG_CONFIG_HOME"' EXIT
echo "window $WIDTH x $HEIGHT at ($X, $Y), canvas from y = $CANVAS_TOP"
# The desktop matches the window to its entry, and so to its name and icon, by class.
class=$(sed -n 's/^StartupWMClass=//p' "$entry")
xdotool search --class "^$class\$" | grep -qx "$WINDOW" || fail "the window's class is not $class"

colour_a=FF8080  # 0x8080FF with red in the low byte
colour_b=00FF00
colour_r=FFFF00
eventually shows_colour "$pixels" 3720 2940 $colour_a || fail "A is not painted up from the origin"
shows_colour "$pixels" 5340 5040 $colour_b || fail "B is not painted to the right of the origin"
shows_colour "$pixels" 5340 2940 $colour_r || fail "R is not painted to (6960, 840)"

# Press on the canvas away from every label, drag A's tip to (7500, 1800), release.
xdotool mousemove "$(screen_x 1500)" "$(screen_y 6000)" mousedown 1 \
    mousemove "$(screen_x 7500)" "$(screen_y 1800)" mouseup 1
eventually shows_colour "$pixels" 5610 3420 $colour_a || fail "A's line does not run to the new tip"
shows_colour "$pixels" 7387 1897 $colour_a || fail "A's line does not reach the new tip"
shows_colour "$pixels" 3720 2940 $colour_a && fail "A is still painted at its old place"
echo "PASS: arrows painted and A dragged under Xvfb"
