#!/bin/bash
# The real window on a virtual X server, read over the desktop accessibility bus: the figure
# and its three vectors are found, and Right pressed with xdotool changes A's description.
# Usage: atspi_test.sh FENDREL
set -u
app=$1
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3  # Debian's own, which has the accessibility bindings
for tool in Xvfb xdotool dbus-run-session; do
    command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is not installed"; exit 77; }
done
"$python" -c 'import pyatspi' 2>/dev/null || { echo "SKIPPED: pyatspi is not installed"; exit 77; }

# A private session bus, so the accessibility bus it starts is this test's alone.
if [[ -z "${FENDREL_ATSPI_SESSION:-}" ]]; then
    FENDREL_ATSPI_SESSION=1 exec timeout -k 5 100 dbus-run-session -- bash "$0" "$@"
fi

source "$here/xvfb_session.sh"
work=$(mktemp -d)
bus_pid=""
stop() {
    session_stop
    [[ -n "$bus_pid" ]] && { kill "$bus_pid" 2>/dev/null; wait "$bus_pid" 2>/dev/null; }
    rm -rf "$work"
}
trap stop EXIT
fail() { echo "FAIL: $*"; exit 1; }

xvfb_start "$work" || fail "no X server"
launcher=/usr/libexec/at-spi-bus-launcher
if [[ -x "$launcher" ]]; then
    "$launcher" --launch-immediately >"$work/bus.log" 2>&1 &
    bus_pid=$!
fi
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb
window_start "$app" || fail "no window"
timeout -k 5 70 "$python" "$here/atspi_probe.py" "$WINDOW"
