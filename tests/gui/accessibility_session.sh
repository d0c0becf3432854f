#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Fendrel developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on a virtual X server of its own with the desktop accessibility bus up, as
# a screen reader's desktop has it, and Qt's accessibility switched on for the window.
# Usage: accessibility_session.sh COMMAND [ARG...]
# Exits with the command's status, or 77 when a tool is missing.
set -u
for tool in Xvfb xdotool dbus-run-session; do
    command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is not installed"; exit 77; }
done
launcher=/usr/libexec/at-spi-bus-launcher
[[ -x "$launcher" ]] || { echo "SKIPPED: at-spi2-core is not installed"; exit 77; }

# A private session bus, so that the accessibility bus it carries is this run's alone.
if [[ -z "${FENDREL_ACCESSIBILITY_SESSION:-}" ]]; then
    FENDREL_ACCESSIBILITY_SESSION=1 exec timeout -k 5 150 dbus-run-session -- bash "$0" "$@"
fi

source "$(dirname "$0")/xvfb_session.sh"
work=$(mktemp -d)
bus_pid=""
stop() {
    session_stop
    if [[ -n "$bus_pid" ]]; then
        kill "$bus_pid" 2>/dev/null
        wait "$bus_pid" 2>/dev/null
    fi
    rm -rf "$work"
}
trap stop EXIT

xvfb_start "$work" || { echo "FAIL: no X server"; exit 1; }
"$launcher" --launch-immediately >"$work/bus.log" 2>&1 &
bus_pid=$!
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb QT_FONT_DPI=96
"$@"
