#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Fendrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real window on a virtual X server: Ctrl++ zooms the figure about its centre, Ctrl+0
# shows it at its actual size again, and Ctrl+C puts the canvas as shown on the clipboard
# as PNG.
# Usage: xvfb_zoom_copy.sh FENDREL XWD_PIXELS
set -u
app=$1
pixels=$2
source "$(dirname "$0")/xvfb_session.sh"
window_session_open "$app" "$pixels" xclip
canvas_height=$((WIDTH * 8160 / 11340))
echo "window $WIDTH x $HEIGHT at ($X, $Y), canvas from y = $CANVAS_TOP"

colour_a=FF8080  # 0x8080FF with red in the low byte
eventually shows_colour "$pixels" 3720 2940 $colour_a || fail "A is not painted up from the origin"

# Zoom 1.25 about the figure's centre, right of A: A moves to the left.
# No window manager runs: the window takes the keyboard focus itself.
not_shows_colour() { ! shows_colour "$@"; }
xdotool windowfocus --sync "$WINDOW"
xdotool key --clearmodifiers ctrl+plus
eventually not_shows_colour "$pixels" 3720 2940 $colour_a || fail "Ctrl++ left A where it was"
xdotool key --clearmodifiers ctrl+0
eventually shows_colour "$pixels" 3720 2940 $colour_a || fail "Ctrl+0 did not bring A back"

copied() {
    xdotool key --clearmodifiers ctrl+c
    timeout 5 xclip -selection clipboard -t image/png -o >"$WORK/clip.png" 2>/dev/null && [[ -s "$WORK/clip.png" ]]
}
eventually copied || fail "no PNG on the clipboard after Ctrl+C"
size=$(od -An -tu1 -j16 -N8 "$WORK/clip.png" | awk '{print $3 * 256 + $4, $7 * 256 + $8}')
[[ $size == "$WIDTH $canvas_height" ]] || fail "the clipboard picture is $size, the canvas $WIDTH $canvas_height"
# 3720 / 15 = 248 and 2940 / 15 = 196 pixels from the canvas corner.
"$pixels" "$WORK/clip.png" near 248 196 $colour_a || fail "the clipboard picture does not show A"
echo "PASS: Ctrl++ zoomed, Ctrl+0 came back and Ctrl+C copied the canvas under Xvfb"
