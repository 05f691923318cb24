#!/usr/bin/env bash
# Plays the real game under Xvfb with xdotool and checks the records it leaves behind.
#
# usage: tests/e2e_game.sh <roadshift binary> <lettered_sheet binary>
# Needs Xvfb, xdotool, xwininfo and ImageMagick (import, convert, compare). The game only ever
# sees a throwaway XDG_CONFIG_HOME. On failure the temporary folder (screenshots, game output)
# is kept and its path printed.
set -euo pipefail

binary=$(realpath "${1:?usage: e2e_game.sh <roadshift binary> <lettered_sheet binary>}")
lettered_sheet=$(realpath "${2:?usage: e2e_game.sh <roadshift binary> <lettered_sheet binary>}")
title="Roadshift v1.00"

for tool in Xvfb xdotool xwininfo import convert compare; do
    command -v "$tool" >/dev/null || { echo "e2e: $tool is missing" >&2; exit 1; }
done

tmp=$(mktemp -d "${TMPDIR:-/tmp}/roadshift-e2e.XXXXXX")
home=$tmp/home
store=$home/rdshfv1/rdshfv1.conf
xvfb_pid=""
game_pid=""
other_pid="" # a second run of the game, while one is played
passed=0

cleanup() {
    [[ -n $game_pid ]] && kill "$game_pid" 2>/dev/null && wait "$game_pid" 2>/dev/null
    [[ -n $other_pid ]] && kill "$other_pid" 2>/dev/null && wait "$other_pid" 2>/dev/null
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    if ((passed)); then
        rm -rf "$tmp"
    else
        echo "e2e: kept $tmp (screenshots, game output, stores)" >&2
    fi
}
trap cleanup EXIT

fail() {
    echo "e2e: FAIL: $*" >&2
    if [[ -s $tmp/game.log ]]; then
        echo "--- game output ---" >&2
        cat "$tmp/game.log" >&2
    fi
    exit 1
}

# Polls `$2...` every 0.1 s until it succeeds; fails after $1 seconds.
wait_until() {
    local limit=$1 tries
    shift
    for ((tries = limit * 10; tries > 0; --tries)); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# --- The banners as the game letters them in this desktop's language, to tell them apart.
banners=$tmp/banners.png
XDG_CONFIG_HOME=$home QT_QPA_PLATFORM=offscreen "$lettered_sheet" banners "$banners" 1 \
    >"$tmp/lettered.log" 2>&1 || fail "no lettered banners: $(cat "$tmp/lettered.log")"

# --- The display.
source "$(dirname "$0")/xvfb.sh"
start_xvfb "$tmp" || fail "Xvfb did not start: $(cat "$tmp/xvfb.log")"
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR QT_QPA_PLATFORM

# --- The game.
start_game() {
    # No sound server: the game plays silently, after one line at most.
    PULSE_SERVER=unix:$tmp/no-sound-server XDG_CONFIG_HOME=$home QT_QPA_PLATFORM=xcb "$binary" \
        >"$tmp/game.log" 2>&1 &
    game_pid=$!
    wid=$(timeout 20 xdotool search --all --sync --onlyvisible --pid "$game_pid" --name "^$title\$" |
        head -n 1) || true
    [[ -n $wid ]] || fail "no window titled '$title' within 20 s"
}

game_gone() {
    local state
    state=$(awk '{print $3}' "/proc/$game_pid/stat" 2>/dev/null) || return 0
    [[ $state == Z ]]
}

# The game must end by itself within a few seconds, and cleanly.
expect_game_ends() {
    local rc=0
    wait_until 10 game_gone || fail "the game did not end within 10 s after $1"
    wait "$game_pid" || rc=$?
    game_pid=""
    ((rc == 0)) || fail "the game ended with status $rc after $1"
    local said
    said=$(grep -cv '^QStandardPaths:' "$tmp/game.log") || true
    ((said <= 1)) || fail "the game printed $said lines after $1"
}

# Clicks client point ($1, $2) with button $3 (default 1), $4 times (default 1), 0.1 s apart.
# Without a window manager the window has no frame, so these are client coordinates.
click() {
    timeout 5 xdotool mousemove --window "$wid" "$1" "$2" \
        click --repeat "${4:-1}" --delay 100 "${3:-1}" || fail "xdotool could not click at ($1, $2)"
}

# Clicks board place $1 (1..48) with button $2, $3 times.
click_place() {
    local n=$1
    click $((65 + 60 * ((n - 1) % 8))) $((40 + 60 * ((n - 1) / 8))) "$2" "${3:-1}"
}

click_start() { click 468 440; }
click_exit() { click 570 435; }
click_banner() { click 275 400; }
hurry_countdown() {
    timeout 5 xdotool mousemove --window "$wid" 18 90 click --repeat 2 --delay 80 1 ||
        fail "xdotool could not double-click the countdown"
}

# True when the banner shows one of the given cells of the banner sheet; the shot is $tmp/shot.png.
# import waits for a mouse pick when the window is gone, hence the check and the timeout.
banner_shows() {
    local cell
    ! game_gone || fail "$scenario: the game ended (by itself or from outside) while waited on"
    timeout 5 import -window "$wid" "$tmp/shot.png" 2>/dev/null || return 1
    convert "$tmp/shot.png" -crop 480x40+35+375 +repage "$tmp/banner.png"
    for cell in "$@"; do
        convert "$banners" -crop 480x40+0+$((80 * cell)) +repage "$tmp/cell.png"
        [[ $(compare -metric AE -fuzz 5% "$tmp/banner.png" "$tmp/cell.png" null: 2>&1) == 0 ]] &&
            return 0
    done
    return 1
}

banner_gone() { ! banner_shows 1; }

# --- The records store: the raw text after "key=" in section [$1], as QSettings wrote it.
stored() {
    awk -v head="[$1]" -v key="$2=" '
        /^\[/ { here = ($0 == head); next }
        here && index($0, key) == 1 { print substr($0, length(key) + 1); found = 1; exit }
        END { exit !found }' "$store"
}

expect_stored() {
    local section=$1 key=$2 want=$3 got
    got=$(stored "$section" "$key") || fail "$4: no $key in [$section] of the store"
    [[ $got == "$want" ]] || fail "$4: $key is '$got', expected '$want'"
}

expect_counters() {
    expect_stored %General executed "\" $1\"" "$4"
    expect_stored %General totalgames "\" $2\"" "$4"
    [[ -z $3 ]] || expect_stored %General tbpass "\" $3\"" "$4"
}

# Win: right 10 x2, right 11, left 13, right 12 x3, right 22, right 30 lays a road to an exit.
play_winning_road() {
    click_place 10 3 2
    click_place 11 3
    click_place 13 1
    click_place 12 3 3
    click_place 22 3
    click_place 30 3
}

echo "e2e: game $binary on display $DISPLAY, temp $tmp"

# a. A first start on an empty store: the window shows, Exit game ends the run, defaults saved.
scenario="a (first start, exit)"
start_game
info=$(timeout 5 xwininfo -id "$wid") || fail "$scenario: xwininfo failed"
grep -q "Map State: IsViewable" <<<"$info" || fail "$scenario: window not viewable"
grep -q "Width: 627" <<<"$info" && grep -q "Height: 460" <<<"$info" ||
    fail "$scenario: window is not 627x460: $(grep -E 'Width|Height' <<<"$info" | tr -s ' \n' ' ')"
[[ ! -e $store ]] || fail "$scenario: the store was written before the game ended"
click_exit
expect_game_ends "Exit game"
[[ -f $store ]] || fail "$scenario: no store at $store"
expect_counters 1 0 0 "$scenario"
for n in {1..10}; do
    expect_stored topten "top${n}point" -10101 "$scenario"
    expect_stored topten "top${n}name" recaR "$scenario"
done
echo "e2e: ok $scenario"

# b. A won game of 100 points enters the top ten; SIGTERM saves it like the close box.
scenario="b (win, SIGTERM)"
start_game
click_start
play_winning_road
hurry_countdown
wait_until 10 banner_shows 2 3 || fail "$scenario: no win banner in 10 s; last shot $tmp/shot.png"
cp "$tmp/shot.png" "$tmp/win.png"
shot="$scenario; screenshot after the win: $tmp/win.png"
kill -TERM "$game_pid"
expect_game_ends "SIGTERM"
expect_counters 2 1 11 "$shot"
expect_stored topten top1point -10001 "$shot"
expect_stored topten top1name "emaN ruoY" "$shot"
expect_stored topten top2name recaR "$shot"
expect_stored topten top2point -10101 "$shot"
echo "e2e: ok $scenario"

# c. A lost game counts as played and leaves the top ten alone.
scenario="c (loss, banner, exit)"
start_game
click_start
hurry_countdown
wait_until 10 banner_shows 1 || fail "$scenario: no lost banner in 10 s; last shot $tmp/shot.png"
click_banner
wait_until 5 banner_gone || fail "$scenario: banner stays after a click; last shot $tmp/shot.png"
click_exit
expect_game_ends "Exit game"
expect_counters 3 2 "" "$scenario"
expect_stored topten top1point -10001 "$scenario"
expect_stored topten top1name "emaN ruoY" "$scenario"
echo "e2e: ok $scenario"

# d. A damaged store: the game starts anyway and writes back sane values, names untouched.
scenario="d (damaged store)"
cat >"$store" <<'EOF'
[%General]
executed=abc
totalgames="-12x"
tbpass=

[topten]
top1point=zzz
top2name="<b>bold</b>"
top3point=99999999
EOF
start_game
click_exit
expect_game_ends "Exit game"
expect_counters 1 0 0 "$scenario"
for n in {1..10}; do
    expect_stored topten "top${n}point" -10101 "$scenario"
done
expect_stored topten top2name "<b>bold</b>" "$scenario"
expect_stored topten top1name recaR "$scenario"
echo "e2e: ok $scenario"

# e. The keyboard alone: F2, the cursor, R, Space and G lay the winning road; P holds the car a
# while; Ctrl+Q leaves, and the store holds the win.
scenario="e (keyboard only, pause, ctrl+q)"
start_game
keys() {
    timeout 10 xdotool windowfocus --sync "$wid" key --delay 60 "$@" 2>/dev/null ||
        fail "$scenario: xdotool could not type $*"
}
keys F2
wait_until 5 banner_shows 4 || fail "$scenario: F2 started no game; last shot $tmp/shot.png"
# The first arrow shows the cursor on place 1; the road then goes 10, 11, 13 (slid), 12, 22, 30.
keys Right Down Right r r Right r Right Right space Left r r r Down Right Right r Down r
keys g p
sleep 2
banner_shows 2 3 1 && fail "$scenario: the game went on while paused; shot $tmp/shot.png"
keys p
wait_until 10 banner_shows 2 3 || fail "$scenario: no win banner in 10 s; last shot $tmp/shot.png"
keys ctrl+q
expect_game_ends "Ctrl+Q"
expect_counters 2 1 11 "$scenario"
expect_stored topten top1point -10001 "$scenario"
expect_stored topten top1name "emaN ruoY" "$scenario"
echo "e2e: ok $scenario"

# f. Two runs at once, each winning a game: the one started last, on top, leaves first; the
#    store then keeps both wins and the counts of both runs.
scenario="f (two runs at once)"
rm -f "$store"
for run in first second; do
    [[ $run == second ]] && other_pid=$game_pid other_wid=$wid
    start_game
    click_start
    play_winning_road
    hurry_countdown
    wait_until 10 banner_shows 2 3 || fail "$scenario: $run run: no win banner; last shot $tmp/shot.png"
done
click_exit
expect_game_ends "Exit game in the second run"
[[ -f $store ]] || fail "$scenario: no store after the second run left"
game_pid=$other_pid wid=$other_wid other_pid=""
kill -TERM "$game_pid"
expect_game_ends "SIGTERM to the first run"
expect_counters 2 2 22 "$scenario"
for n in 1 2; do
    expect_stored topten "top${n}point" -10001 "$scenario"
    expect_stored topten "top${n}name" "emaN ruoY" "$scenario"
done
expect_stored topten top3point -10101 "$scenario"
echo "e2e: ok $scenario"

passed=1
echo "e2e: all scenarios passed"
