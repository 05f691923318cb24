#!/usr/bin/env bash
# Runs the real game on records stores that a desktop meets rarely: on a full file system, and
# with a FIFO or a link to one where the store belongs. Each run is left by SIGTERM, which saves.
#
# usage: tests/store_places.sh <roadshift binary>
# The full file system is a small tmpfs mounted in a private mount namespace (unshare -rm), so
# nothing outside this test's own temporary folder is touched, as root or not.
set -euo pipefail

binary=$(realpath "${1:?usage: store_places.sh <roadshift binary>}")

if [[ -z ${ROADSHIFT_PRIVATE_MOUNTS:-} ]]; then
    command -v unshare >/dev/null || { echo "store: unshare is missing" >&2; exit 1; }
    exec unshare -rm env ROADSHIFT_PRIVATE_MOUNTS=1 "$0" "$@"
fi

tmp=$(mktemp -d "${TMPDIR:-/tmp}/roadshift-store.XXXXXX")
game_pid=""
passed=0
cleanup() {
    [[ -n $game_pid ]] && kill -KILL "$game_pid" 2>/dev/null && wait "$game_pid" 2>/dev/null
    mountpoint -q "$tmp/small" && umount "$tmp/small"
    if ((passed)); then rm -rf "$tmp"; else echo "store: kept $tmp" >&2; fi
}
trap cleanup EXIT

fail() {
    echo "store: FAIL: $*" >&2
    [[ -s $tmp/game.log ]] && { echo "--- game output ---" >&2; cat "$tmp/game.log" >&2; }
    exit 1
}

# Starts the game with its settings in $1 and leaves it by SIGTERM once it can take one.
# SIGTERM is caught only after the window is made, that is after the store has been read.
run_and_terminate() {
    local home=$1 tries mask rc=0
    XDG_CONFIG_HOME=$home QT_QPA_PLATFORM=offscreen "$binary" >"$tmp/game.log" 2>&1 &
    game_pid=$!
    for ((tries = 100; tries > 0; --tries)); do
        # The forked shell may catch SIGTERM itself until it has become the game.
        if [[ $(readlink "/proc/$game_pid/exe" 2>/dev/null) == "$binary" ]]; then
            mask=$(awk '/^SigCgt:/ {print $2}' "/proc/$game_pid/status" 2>/dev/null) || mask=0
            ((0x${mask:-0} & (1 << 14))) && break
        fi
        sleep 0.1
    done
    ((tries > 0)) || fail "$2: the game did not get ready within 10 s (a store it hangs on?)"
    kill -TERM "$game_pid"
    for ((tries = 100; tries > 0; --tries)); do
        kill -0 "$game_pid" 2>/dev/null || break
        sleep 0.1
    done
    ((tries > 0)) || fail "$2: the game did not end within 10 s of SIGTERM"
    wait "$game_pid" || rc=$?
    game_pid=""
    ((rc == 0)) || fail "$2: the game ended with status $rc"
}

valid_store() {
    mkdir -p "$1/rdshfv1"
    {
        printf '[%%General]\nexecuted=" 41"\ntotalgames=" 12"\ntbpass=" 300"\n\n[topten]\n'
        for n in {1..10}; do printf 'top%dpoint=%d\ntop%dname=nnA\n' "$n" $((-9101 - 10 * n)) "$n"; done
    } >"$1/rdshfv1/rdshfv1.conf"
}

# a. With room to spare the run is saved: the store changes.
scenario="a (room to spare)"
mkdir "$tmp/roomy"
valid_store "$tmp/roomy"
run_and_terminate "$tmp/roomy" "$scenario"
grep -q '^executed=" 42"$' "$tmp/roomy/rdshfv1/rdshfv1.conf" || fail "$scenario: the run was not saved"
echo "store: ok $scenario"

# b. A full file system: one 4 KB page free. The save fails and the store stays as it was.
scenario="b (full file system)"
mkdir "$tmp/small"
mount -t tmpfs -o size=64k tmpfs "$tmp/small" || fail "$scenario: cannot mount a tmpfs"
valid_store "$tmp/small"
cp "$tmp/small/rdshfv1/rdshfv1.conf" "$tmp/before.conf"
free=$(($(stat -f -c '%a * %S' "$tmp/small")))
head -c $((free - 4096)) /dev/zero >"$tmp/small/filler" || fail "$scenario: cannot fill the tmpfs"
left=$(($(stat -f -c '%a * %S' "$tmp/small")))
((left == 4096)) || fail "$scenario: $left bytes free instead of one page"
run_and_terminate "$tmp/small" "$scenario"
cmp -s "$tmp/before.conf" "$tmp/small/rdshfv1/rdshfv1.conf" ||
    fail "$scenario: the store changed: $(wc -c <"$tmp/small/rdshfv1/rdshfv1.conf") bytes now"
grep -q "rdshfv1/rdshfv1.conf: No space left on device" "$tmp/game.log" ||
    fail "$scenario: no line on standard error names the store and the full disk"
leftovers=$(find "$tmp/small/rdshfv1" -mindepth 1 ! -name rdshfv1.conf)
[[ -z $leftovers ]] || fail "$scenario: files left beside the store: $leftovers"
echo "store: ok $scenario"

# c. A FIFO, or a link to one, where the store belongs: the game starts and ends as usual and
#    the FIFO stays a FIFO.
for kind in fifo link; do
    scenario="c (store is a $kind)"
    home=$tmp/$kind
    mkdir -p "$home/rdshfv1"
    if [[ $kind == fifo ]]; then
        mkfifo "$home/rdshfv1/rdshfv1.conf"
    else
        mkfifo "$home/pipe"
        ln -s "$home/pipe" "$home/rdshfv1/rdshfv1.conf"
    fi
    run_and_terminate "$home" "$scenario"
    [[ -p $home/rdshfv1/rdshfv1.conf ]] || fail "$scenario: the store is no longer a FIFO"
    echo "store: ok $scenario"
done

passed=1
echo "store: all scenarios passed"
