#!/usr/bin/env bash
# Plays the real game blind: keys only, with the Orca screen reader listening (tools/orca_listen.sh),
# and checks what Orca said. A tour of all 48 places, a game won on the first board, and a game
# lost on purpose.
#
# usage: tests/e2e_speech.sh <roadshift binary>
# Orca starts only once on a machine: CTest runs this test on its own.
set -euo pipefail

binary=$(realpath "${1:?usage: e2e_speech.sh <roadshift binary>}")
tool=$(dirname "$(realpath "$0")")/../tools/orca_listen.sh
out=$(mktemp "${TMPDIR:-/tmp}/roadshift-speech.XXXXXX")
log=$out.orca
passed=0
cleanup() {
    if ((passed)); then
        rm -f "$out" "$log"
    else
        echo "e2e_speech: kept what Orca said in $out and its log in $log" >&2
    fi
}
trap cleanup EXIT

fail() {
    echo "e2e_speech: FAIL: $*" >&2
    exit 1
}

# A tour of the board before any game: onto the board with Tab, then row by row, snaking.
tour=(Right)
for row in 1 2 3 4 5 6; do
    for _ in 1 2 3 4 5 6 7; do
        ((row % 2)) && tour+=(Right) || tour+=(Left)
    done
    ((row < 6)) && tour+=(Down)
done
# The third game has no countdown (one step past 50 s): it still waits after 62 s and leaves on
# G. Before that, Shift+R turns back what R turned, X visits every exit, and B goes where W says
# the road stops.
# The first board's winning road (as tests/e2e_game.sh lays it) from place 1: typed quickly,
# as a busy machine slows Orca down and the countdown does not wait, but for the slide; then the
# trace, and the car sent off. The second game is lost on purpose: place 1 turned so that it is
# closed to the car, a refused slide, the pause and the car's place; then the countdown runs out.
script=(Tab Tab Tab Tab Tab mark:tour "${tour[@]}" mark:tour-end
    Tab Tab Tab Tab space space space space # the longest countdown: time to listen
    F2 Home keys:Down,Right,r,r,Right,r,Right,Right space keys:Left,r,r,r,Down,Right,Right,r,Down,r
    w g "until:You won:60" mark:won
    Escape F2 Home r space p p c mark:waiting "until:You lost:90" mark:lost
    Escape Home Tab Tab Tab Tab space F2 mark:untimed wait:62 c
    Home r shift+r mark:exits x x x x x mark:exits-end w b g "until:The car is off" mark:end)

timeout 1500 "$tool" --game "$binary" --log "$log" "${script[@]}" >"$out" 2>&1 ||
    fail "orca_listen.sh failed: $(tail -n 5 "$out")"

# What was said after each key, as "key<TAB>utterance" lines (a key with nothing said: "key<TAB>").
said() {
    awk '/^--- key / { if (key != "" && !n) print key "\t"; key = $3; n = 0; next }
         /^--- / { if (key != "" && !n) print key "\t"; key = ""; n = 0; next }
         /^  said: / && key != "" { sub(/^  said: /, ""); print key "\t" $0; n++ }
         END { if (key != "" && !n) print key "\t" }' "$1"
}
section() { sed -n "/^--- mark:$1\$/,/^--- mark:$2\$/p" "$out"; }

# Every arrow key of the tour was followed by speech, and the 48 places read apart.
section tour tour-end >"$out.tour"
silent=$(said "$out.tour" | awk -F'\t' '$2 == "" { n++ } END { print n + 0 }')
((silent == 0)) || fail "$silent arrow keys of the tour were followed by no speech"
places=$(said "$out.tour" | cut -f2 | grep -oE '^[a-z ,]+, row [1-6], column [1-8]' | sort -u |
    wc -l)
((places == 48)) || fail "the tour read $places different places, not 48"

# Space, R, a refusal, P, G and the trace key were each followed by speech.
expect_after() {
    said "$out" | awk -F'\t' -v k="$1" '$1 == k' | cut -f2 | grep -qE -- "$2" ||
        fail "after $1 Orca never said /$2/"
}
expect_after space 'Slid'
expect_after space 'Cannot slide: not next to the empty place'
expect_after r 'straight up down'
expect_after p 'Paused'
expect_after p 'Going on'
expect_after g 'The car is off'
expect_after w 'The road reaches the exit at row [1-6], column [1-8]'
expect_after c 'Car waits at START; countdown [0-9]+'
expect_after F2 'New game'
expect_after F2 'Exit 1: row [1-6], column [1-8]\.'
expect_after F2 'Exit 2: row [1-6], column [1-8]'

# Game sentences come in their own words: nothing before them said by rote.
! grep -qiE '^  said: notification' "$out" || fail "Orca said \"notification\" before a sentence"

# The win with its points; the second game's countdown, departure and loss with no key.
grep -qE 'You won! [0-9]+ points' "$out" || fail "the win was not announced with its points"
lost=$(section waiting lost)
grep -q '1 second' <<<"$lost" || fail "the countdown's last seconds were not announced"
grep -q 'The car is off' <<<"$lost" || fail "the departure was not announced"
grep -qE 'You lost: row 1, column 1 is closed' <<<"$lost" || fail "the loss was not announced"

# The untimed game: it waited through a minute, and left on G.
untimed=$(section untimed end)
grep -q 'the car waits until you press G' <<<"$(section lost untimed)" ||
    fail "the untimed game was not announced"
! grep -q 'The car is off' <<<"$(sed -n '/^--- mark:untimed$/,/^--- key c /p' "$out")" ||
    fail "the untimed game's car left by itself"
grep -q 'Car waits at START' <<<"$untimed" || fail "after 62 s the untimed car did not wait at START"
grep -q 'The car is off' <<<"$(sed -n '/^--- key g /,$p' "$out")" || fail "G did not send the car"

# Shift+R turned back what R turned: it read the place's first tile words again.
first=$(sed -n '/^--- mark:untimed$/,/^--- mark:exits$/p' "$out" |
    awk '/^--- key Home/ { getline; sub(/^  said: /, ""); sub(/, row .*/, ""); print; exit }')
back=$(sed -n '/^--- key shift+r/,/^--- /p' "$out" | grep -m1 '^  said: ' | sed 's/^  said: //')
[[ -n $first && $back == "$first"* ]] || fail "Shift+R said '$back', not the tile before R ('$first')"

# X reached every exit the new game named.
named=$(section lost untimed | grep -oE 'Exit [0-9]+: row [1-6], column [1-8]' | sed 's/^Exit [0-9]*: //' | sort -u)
visited=$(section exits exits-end | grep -oE '^  said: exit, row [1-6], column [1-8]' |
    sed 's/^  said: exit, //' | sort -u)
[[ -n $named && $named == "$visited" ]] ||
    fail "X visited [$(echo $visited)], not every exit named [$(echo $named)]"

# B went to the place W named first.
stop=$(sed -n '/^--- mark:exits-end$/,/^--- key b /p' "$out" | grep -m1 -oE 'row [1-6], column [1-8]')
sed -n '/^--- key b /,/^--- key g /p' "$out" | grep -qE "^  said: .*$stop" ||
    fail "B did not land where W said the road stops ($stop)"

cat "$out"
passed=1
echo "e2e_speech: all checks passed"
