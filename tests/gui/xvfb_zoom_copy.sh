#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Fendrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The real window on a virtual X server: Ctrl++ zooms the figure from the top-left corner,
# and Ctrl+C puts the canvas as shown on the clipboard as PNG.
# Usage: xvfb_zoom_copy.sh FENDREL XWD_PIXELS
set -u
app=$1
pixels=$2
source "$(dirname "$0")/xvfb_session.sh"
window_session_open "$app" "$pixels" xclip
canvas_height=$((Y + HEIGHT - CANVAS_TOP))
echo "window $WIDTH x $HEIGHT at ($X, $Y), canvas from y = $CANVAS_TOP"

colour_a=FF8080  # 0x8080FF with red in the low byte
eventually shows_colour "$pixels" 3720 2940 $colour_a || fail "A is not painted up from the origin"

# Zoom 1.25: a point of A at (3720, 2940) window units is now where (4650, 3675) was.
# No window manager runs: the window takes the keyboard focus itself.
xdotool windowfocus --sync "$WINDOW"
xdotool key --clearmodifiers ctrl+plus
eventually shows_colour "$pixels" 4650 3675 $colour_a || fail "Ctrl++ did not zoom A from the corner"
shows_colour "$pixels" 3720 2940 $colour_a && fail "A is still painted at its size before the zoom"

copied() {
    xdotool key --clearmodifiers ctrl+c
    timeout 5 xclip -selection clipboard -t image/png -o >"$WORK/clip.png" 2>/dev/null && [[ -s "$WORK/clip.png" ]]
}
eventually copied || fail "no PNG on the clipboard after Ctrl+C"
size=$(od -An -tu1 -j16 -N8 "$WORK/clip.png" | awk '{print $3 * 256 + $4, $7 * 256 + $8}')
[[ $size == "$WIDTH $canvas_height" ]] || fail "the clipboard picture is $size, the canvas $WIDTH $canvas_height"
# 3720 * 1.25 / 15 = 310 and 2940 * 1.25 / 15 = 245 pixels from the canvas corner.
"$pixels" "$WORK/clip.png" near 310 245 $colour_a || fail "the clipboard picture does not show the zoomed A"
echo "PASS: Ctrl++ zoomed and Ctrl+C copied the canvas under Xvfb"
