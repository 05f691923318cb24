#!/usr/bin/env bash
# Takes screenshots of the game, its help box and its about box, at 1x and 2x, under Xvfb.
#
# usage: tools/screenshots.sh [game binary (build/roadshift)] [output folder (shots)]
# Writes main.png, help.png, about.png and main-2x.png, help-2x.png, about-2x.png, in the
# language LANGUAGE asks for (LANGUAGE=ja tools/screenshots.sh).
# Needs Xvfb, xdotool and ImageMagick's import. The game never sees the player's records:
# it runs with a throwaway XDG_CONFIG_HOME.
set -euo pipefail

binary=${1:-build/roadshift}
out=${2:-shots}

for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "screenshots: $tool is missing" >&2; exit 1; }
done
[[ -x $binary ]] || { echo "screenshots: no game at $binary" >&2; exit 1; }
binary=$(realpath "$binary")
mkdir -p "$out"

home=$(mktemp -d)
xvfb_pid=""
game_pid=""

stop_game() {
    if [[ -n $game_pid ]]; then
        kill "$game_pid" 2>/dev/null || true
        wait "$game_pid" 2>/dev/null || true
        game_pid=""
    fi
}

stop_display() {
    if [[ -n $xvfb_pid ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=""
    fi
}

cleanup() {
    stop_game
    stop_display
    rm -rf "$home"
}
trap cleanup EXIT

# Starts an X server of the given size on the first free display number.
start_display() {
    local size=$1 n
    for n in $(seq 90 140); do
        [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
        Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        export DISPLAY=":$n"
        for _ in $(seq 50); do
            xdpyinfo >/dev/null 2>&1 && return 0
            [[ -e /tmp/.X11-unix/X$n ]] && sleep 0.2 && return 0
            sleep 0.1
        done
        echo "screenshots: Xvfb did not start on :$n" >&2
        exit 1
    done
    echo "screenshots: no free display" >&2
    exit 1
}

# Waits for a window whose title is exactly $1 and prints its id.
find_window() {
    local id
    id=$(timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1) || true
    [[ -n $id ]] || { echo "screenshots: no window titled '$1'" >&2; return 1; }
    echo "$id"
}

start_game() {
    XDG_CONFIG_HOME=$home QT_QPA_PLATFORM=xcb "$binary" >/dev/null 2>&1 &
    game_pid=$!
    main_id=$(find_window "Roadshift v1.00")
    sleep 1 # let the first frames paint
}

# Clicks a point given in the window's own (logical) pixels; there is no window manager, so the
# client area starts at the window's corner.
click() {
    xdotool mousemove --window "$main_id" $(($1 * scale)) $(($2 * scale)) click 1
}

# Waits for a shown window of the game other than the main one (a box, titled in the player's
# language) and prints its id.
find_box() {
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | grep -vx "$main_id" |
            head -n 1) || true
        [[ -n $id ]] && { echo "$id"; return 0; }
        sleep 0.2
    done
    echo "screenshots: no box opened" >&2
    return 1
}

# Saves the box that just opened into $1, then closes it with Escape; if it stays open, starts
# afresh.
shoot_box() {
    local file=$1 id
    id=$(find_box)
    sleep 0.7
    import -window "$id" "$file"
    xdotool windowfocus --sync "$id" key Escape || true
    sleep 0.5
    if xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null | grep -qvx "$main_id"; then
        stop_game
        start_game
    fi
}

shoot() {
    local suffix=$1
    start_game
    import -window "$main_id" "$out/main$suffix.png"
    click 570 410 # How to Play
    shoot_box "$out/help$suffix.png"
    click 570 385 # About Game
    shoot_box "$out/about$suffix.png"
    stop_game
}

scale=1
start_display 1024x768
unset QT_SCALE_FACTOR
shoot ""
stop_display

# At 2x the window is twice as big, so it gets a screen twice as big.
scale=2
start_display 2048x1536
export QT_SCALE_FACTOR=2
shoot "-2x"
stop_display

echo "screenshots written to $out"
