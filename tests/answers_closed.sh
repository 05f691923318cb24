#!/usr/bin/env bash
# --help and --version with their output closed: the game must not claim success. It leaves
# with a non-zero status and a line on standard error, as the standard tools do. A command line
# it does not understand leaves with status 2, as usage errors go, and starts nothing.
#
# usage: tests/answers_closed.sh <roadshift binary>
set -uo pipefail

binary=${1:?usage: answers_closed.sh <roadshift binary>}
err=$(mktemp "${TMPDIR:-/tmp}/roadshift-answers.XXXXXX")
trap 'rm -f "$err"' EXIT
failed=0

for option in --version --help; do
    # Written when output is open, so a failure below is the closed output's doing.
    env -u DISPLAY -u WAYLAND_DISPLAY "$binary" "$option" >/dev/null ||
        { echo "answers: FAIL: $option failed with its output open" >&2; failed=1; }
    env -u DISPLAY -u WAYLAND_DISPLAY "$binary" "$option" >&- 2>"$err"
    rc=$?
    if ((rc == 0)); then
        echo "answers: FAIL: $option exits 0 with its output closed" >&2
        failed=1
    elif [[ $(wc -l <"$err") -ne 1 ]] || ! grep -q '^roadshift: ' "$err"; then
        echo "answers: FAIL: $option says on standard error: $(cat "$err")" >&2
        failed=1
    else
        echo "answers: ok $option with its output closed: status $rc, $(cat "$err")"
    fi
done

for words in "--fast" "board.txt" "-style"; do
    # shellcheck disable=SC2086 # each case is a list of words
    env -u DISPLAY -u WAYLAND_DISPLAY "$binary" $words >/dev/null 2>"$err"
    rc=$?
    if ((rc != 2)) || [[ $(wc -l <"$err") -ne 1 ]] || ! grep -q '^roadshift: ' "$err"; then
        echo "answers: FAIL: '$words' leaves with status $rc, saying: $(cat "$err")" >&2
        failed=1
    else
        echo "answers: ok '$words' refused: status 2, $(cat "$err")"
    fi
done
exit "$failed"
