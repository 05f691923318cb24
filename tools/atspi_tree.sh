#!/usr/bin/env bash
# Shows what a screen reader finds in the game: its accessible tree over AT-SPI at start-up, after
# a click on "START!", and once the car has won on the first board's known road.
#
# usage: tools/atspi_tree.sh [game binary (build/roadshift)]
# Runs the game under Xvfb inside a private D-Bus session with its own AT-SPI bus, so nothing of
# the desktop it is started from is used; the game sees a throwaway XDG_CONFIG_HOME.
# Needs Xvfb, xdotool, dbus-run-session, at-spi2-core and python3-pyatspi.
set -euo pipefail

here=$(dirname "$(realpath "$0")")

# --- Inside the private D-Bus session: the AT-SPI bus, the game, the walks.
if [[ ${1:-} == --inside ]]; then
    binary=$2
    pids=()
    stop_all() {
        local i
        for ((i = ${#pids[@]} - 1; i >= 0; --i)); do
            kill "${pids[i]}" 2>/dev/null || true
            wait "${pids[i]}" 2>/dev/null || true
        done
    }
    trap stop_all EXIT
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$tmp/bus.log" 2>&1 &
    pids+=($!)
    /usr/libexec/at-spi2-registryd >>"$tmp/bus.log" 2>&1 &
    pids+=($!)
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 QT_QPA_PLATFORM=xcb \
        "$binary" >"$tmp/game.log" 2>&1 &
    pids+=($!)
    wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Roadshift v1.00$' | head -n 1)
    [[ -n $wid ]] || { echo "atspi_tree: the game window did not appear" >&2; exit 1; }
    sleep 1
    echo "=== at start-up"
    /usr/bin/python3 "$here/atspi_tree.py"
    timeout 5 xdotool mousemove --window "$wid" 468 440 click 1 # "START!"
    sleep 1
    echo "=== after START!"
    /usr/bin/python3 "$here/atspi_tree.py"
    # The known winning presses on the first board: place and mouse button (1 left, 3 right).
    for press in 10:3 10:3 11:3 13:1 12:3 12:3 12:3 22:3 30:3; do
        place=${press%:*}
        x=$((35 + 60 * ((place - 1) % 8) + 30))
        y=$((10 + 60 * ((place - 1) / 8) + 30))
        timeout 5 xdotool mousemove --window "$wid" "$x" "$y" click "${press#*:}"
        sleep 0.4 # no two presses on one place make a double click
    done
    timeout 5 xdotool mousemove --window "$wid" 18 90 click --repeat 2 --delay 80 1 # the car goes
    sleep 4
    echo "=== after the car's drive"
    /usr/bin/python3 "$here/atspi_tree.py"
    exit 0
fi

binary=$(realpath "${1:-build/roadshift}")
for tool in Xvfb xdotool dbus-run-session /usr/libexec/at-spi-bus-launcher \
    /usr/libexec/at-spi2-registryd; do
    command -v "$tool" >/dev/null || { echo "atspi_tree: $tool is missing" >&2; exit 1; }
done
/usr/bin/python3 -c 'import pyatspi' || { echo "atspi_tree: python3-pyatspi is missing" >&2; exit 1; }

tmp=$(mktemp -d "${TMPDIR:-/tmp}/roadshift-atspi.XXXXXX")
xvfb_pid=""
cleanup() {
    if [[ -n $xvfb_pid ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$tmp"
}
trap cleanup EXIT

source "$(dirname "$0")/../tests/xvfb.sh"
start_xvfb "$tmp" || { echo "atspi_tree: Xvfb did not start" >&2; exit 1; }
export XDG_CONFIG_HOME=$tmp/config tmp
status=0
dbus-run-session -- "$0" --inside "$binary" 2> >(grep -v 'Failed to set fd limit' >&2) || status=$?
exit "$status"
