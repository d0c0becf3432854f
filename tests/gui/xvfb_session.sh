# SPDX-FileCopyrightText: 2026 The Fendrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Shell functions that run the program's window on a virtual X server of its own.
# Source this file, then: xvfb_start DIR; window_start APP; ... ; session_stop; or, for a
# check of the window, window_session_open APP PIXELS [TOOL...], which does all of it.
# Needs Xvfb and xdotool; the caller checks that they exist (window_session_open does).

# Starts Xvfb on a free display, with its screen (XVFB_SCREEN, 1280x1024x24 unless set)
# readable as DIR/Xvfb_screen0. The server never resets: by default it does so whenever its
# last client leaves, and refuses a client that connects meanwhile.
# Sets DISPLAY, XVFB_PID and SCREEN_DUMP.
xvfb_start() {
    local dir=$1
    Xvfb -displayfd 3 -noreset -screen 0 "${XVFB_SCREEN:-1280x1024x24}" -fbdir "$dir" -nolisten tcp \
        3>"$dir/display" 2>"$dir/xvfb.log" &
    XVFB_PID=$!
    for _ in $(seq 100); do
        [[ -s "$dir/display" ]] && break
        sleep 0.1
    done
    [[ -s "$dir/display" ]] || { echo "Xvfb did not start:"; cat "$dir/xvfb.log"; return 1; }
    export DISPLAY=":$(head -n1 "$dir/display")"
    SCREEN_DUMP="$dir/Xvfb_screen0"
}

# Starts APP with its ARGUMENTS and waits for its window, titled as WINDOW_TITLE says (a
# pattern; the title of the start-up window when unset). Sets APP_PID, WINDOW, X, Y, WIDTH,
# HEIGHT (the window's client area on the screen: menu bar, canvas and values panel).
window_start() {
    "$@" &
    APP_PID=$!
    WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --name "${WINDOW_TITLE:-^Fendrel\$}" | head -n1)
    [[ -n "$WINDOW" ]] || { echo "no window named Fendrel appeared"; return 1; }
    eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
}

# The canvas starts below the menu bar: the first of 20 pixels in a row, down the
# window's right edge, that all show one of the three backgrounds. Sets CANVAS_TOP, or
# fails while the window is not painted yet.
canvas_find() {
    local pixels=$1 x=$((X + WIDTH - 4)) colours i j
    mapfile -t colours < <("$pixels" "$SCREEN_DUMP" column "$x" "$Y" $((Y + HEIGHT - 1)))
    for ((i = 0; i + 20 <= ${#colours[@]}; i++)); do
        case ${colours[i]} in 404040 | 000080 | 800000) ;; *) continue ;; esac
        for ((j = 1; j < 20; j++)); do [[ ${colours[i + j]} == "${colours[i]}" ]] || continue 2; done
        CANVAS_TOP=$((Y + i))
        return 0
    done
    return 1
}

# Screen position of a point in window units, from the canvas's width in pixels: it starts
# 11340 units wide, and a unit is as high as it is wide.
screen_x() { echo $((X + $1 * WIDTH / 11340)); }
screen_y() { echo $((CANVAS_TOP + $1 * WIDTH / 11340)); }

# Succeeds when a pixel next to the point (window units) shows the colour RRGGBB.
shows_colour() {
    "$1" "$SCREEN_DUMP" near "$(screen_x "$2")" "$(screen_y "$3")" "$4"
}

# Retries a command for up to five seconds, for the window to repaint.
eventually() {
    for _ in $(seq 50); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# Ends the window, then the server; safe under `set -e` and when either never started.
session_stop() {
    local pid
    for pid in ${APP_PID:-} ${XVFB_PID:-}; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
}

fail() { echo "FAIL: $*"; exit 1; }

# Waits for the dialog titled $1, gives it the keyboard and types $2 into its focused field.
answer_dialog() {
    local dialog
    dialog=$(timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n1)
    [[ -n "$dialog" ]] || fail "no dialog \"$1\" appeared"
    xdotool windowfocus --sync "$dialog"
    [[ -z "$2" ]] || xdotool key --clearmodifiers ctrl+a type --delay 20 "$2"
    xdotool key --clearmodifiers Return
}

# The start every check of the real window shares: skips the check (status 77) unless
# Xvfb, xdotool and the further TOOLs are installed, starts the server with its files in a
# new folder WORK (removed on exit, with the session), then APP, and finds its canvas with
# the PIXELS reader.
window_session_open() {
    local app=$1 pixels=$2 tool
    shift 2
    for tool in Xvfb xdotool "$@"; do
        command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is not installed"; exit 77; }
    done
    WORK=$(mktemp -d)
    trap 'session_stop; rm -rf "$WORK"' EXIT
    xvfb_start "$WORK" || fail "no X server"
    window_start "$app" || fail "no window"
    eventually canvas_find "$pixels" || fail "no canvas background found in the window"
}
