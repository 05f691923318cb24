#!/usr/bin/env bash
# Plays the game with the keys of a key script while the Orca screen reader listens, and prints
# what Orca said after each key.
#
# usage: tools/orca_listen.sh [--game BINARY] [--log FILE] KEY...
#   KEY is an xdotool key name (Right, space, r, shift+Left, F2), or
#   wait:SECONDS       waits, listening, without a key
#   mark:NAME          prints "--- mark:NAME", for a reader of the output
#   keys:K1,K2,...     types several keys quickly, one after the other, then listens
#   until:REGEX[:SECS] waits until Orca says something matching REGEX (grep -E) after the key
#                      before, at most SECS seconds (default 20); the script fails when it never
#                      comes
#   pace:WPM           from here on, a key waits until every word said so far would have been
#                      heard at WPM words a minute (a listener's pace; 0: no waiting)
#   from:FILE          takes further keys from FILE, a line each, as they are written there,
#                      until a line "end": a player at the keyboard, deciding each key from what
#                      was said
# Each key is followed by what Orca said, one utterance a line, starting with "  said: ".
# --log FILE keeps Orca's whole debug log there.
#
# Everything runs in a private world: Xvfb, a private D-Bus session (dbus-run-session) with its
# own AT-SPI bus, a speech-dispatcher of its own whose only output module writes each utterance
# to a file, ALSA's default device set to null in a throwaway HOME, and Orca's preferences in a
# throwaway folder. No window manager runs, so the script gives the game's window the focus as
# one would. Orca refuses to start while another process named orca runs: one run at a time.
# Needs Xvfb, xdotool, dbus-run-session, at-spi2-core, orca and speech-dispatcher.
set -euo pipefail

here=$(dirname "$(realpath "$0")")

# What Orca said so far, one utterance a line: what reached the speech server's only voice.
# (Orca's debug log has each as a "SPEECH OUTPUT:" line too, but it writes that log in blocks,
# so its last words show only later.)
spoken() {
    cat "$tmp/speechd/heard.txt" 2>/dev/null || true
}
spoken_count() { spoken | wc -l; }

# --- Inside the private D-Bus session.
if [[ ${1:-} == --inside ]]; then
    shift
    binary=$1
    shift
    pids=()
    stop_all() {
        local i
        for ((i = ${#pids[@]} - 1; i >= 0; --i)); do
            kill "${pids[i]}" 2>/dev/null || true
            wait "${pids[i]}" 2>/dev/null || true
        done
    }
    trap stop_all EXIT

    export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/config XDG_DATA_HOME=$tmp/data \
        XDG_CACHE_HOME=$tmp/cache GSETTINGS_BACKEND=memory NO_AT_BRIDGE=0
    mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
    # No sound card: whatever opens ALSA's default device writes into nothing.
    printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$HOME/.asoundrc"

    # speech-dispatcher with one module, which writes what it is given into a file.
    sd=$tmp/speechd
    mkdir -p "$sd/modules" "$sd/log"
    cat >"$sd/speechd.conf" <<EOF
CommunicationMethod "unix_socket"
SocketPath "$sd/speechd.sock"
LogLevel 2
LogDir "$sd/log"
AudioOutputMethod "alsa"
AddModule "listen" "sd_generic" "listen.conf"
DefaultModule listen
LanguageDefaultModule "en" "listen"
EOF
    cat >"$sd/modules/listen.conf" <<EOF
GenericExecuteSynth "echo \\'\$DATA\\' >> $sd/heard.txt"
GenericLanguage "en" "en" "utf-8"
AddVoice "en" "MALE1" "listen"
EOF
    speech-dispatcher -s -t 0 -C "$sd" -S "$sd/speechd.sock" -L "$sd/log" >"$sd/log/run.log" 2>&1 &
    pids+=($!)
    export SPEECHD_ADDRESS="unix_socket:$sd/speechd.sock"
    for ((tries = 50; tries > 0; --tries)); do
        [[ -S $sd/speechd.sock ]] && break
        sleep 0.1
    done

    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$tmp/bus.log" 2>&1 &
    pids+=($!)
    /usr/libexec/at-spi2-registryd >>"$tmp/bus.log" 2>&1 &
    pids+=($!)

    # The game first, so that Orca finds it when it starts.
    # OpenAL's own silent output: on ALSA's null device its mixer would spin a core, as that
    # device never makes it wait.
    ALSOFT_DRIVERS=null QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 QT_QPA_PLATFORM=xcb \
        "$binary" >"$tmp/game.log" 2>&1 &
    game_pid=$!
    pids+=($game_pid)
    wid=$(timeout 20 xdotool search --sync --onlyvisible --name '^Roadshift v1.00$' | head -n 1)
    [[ -n $wid ]] || { echo "orca_listen: the game window did not appear" >&2; exit 1; }

    mkdir -p "$tmp/orca"
    orca -u "$tmp/orca" -d key-echo --debug-file "$tmp/orca.log" >"$tmp/orca.out" 2>&1 &
    pids+=($!)
    # Orca is ready once it has said its welcome.
    deadline=$((SECONDS + 60))
    while ((SECONDS < deadline)); do
        (($(spoken_count) > 0)) && break
        sleep 0.2
    done
    (($(spoken_count) > 0)) || { echo "orca_listen: Orca said nothing at start" >&2; exit 1; }
    # Without a window manager nobody hands the focus over: do it as one would.
    timeout 5 xdotool windowfocus --sync "$wid"
    sleep 1

    # Prints what was said since utterance number $1 (counted from 0).
    said_since() { spoken | tail -n +$(($1 + 1)) | sed 's/^/  said: /'; }
    # Waits until Orca has said something after utterance $1 (at most $2 seconds: a busy
    # machine slows Orca down) and then kept quiet for 1.5 s (at most 5 s more).
    settle() {
        local before=$1 deadline=$((SECONDS + $2)) quiet=0 count last
        while ((SECONDS < deadline)); do
            (($(spoken_count) > before)) && break
            sleep 0.1
        done
        last=$(spoken_count)
        deadline=$((SECONDS + 5))
        while ((SECONDS < deadline && quiet < 15)); do
            sleep 0.1
            count=$(spoken_count)
            if ((count != last)); then
                last=$count quiet=0
            else
                ((++quiet))
            fi
        done
    }

    # The listener's pace: the moment every word said so far would have been heard.
    wpm=0 accounted=0 heard_until=0
    now_ms() { echo $(($(date +%s%N) / 1000000)); }
    listen_at_pace() {
        ((wpm > 0)) || return 0
        local count line words now
        while :; do
            count=$(spoken_count)
            now=$(now_ms)
            while ((accounted < count)); do
                line=$(spoken | sed -n "$((accounted + 1))p")
                words=$(wc -w <<<"$line")
                ((heard_until < now)) && heard_until=$now
                heard_until=$((heard_until + words * 60000 / wpm))
                ((++accounted))
            done
            ((now >= heard_until)) && return 0
            sleep 0.2
        done
    }
    next_keys() {
        local file=$1 n=0 line
        while :; do
            line=$(sed -n "$((n + 1))p" "$file" 2>/dev/null)
            if [[ -z $line ]]; then
                sleep 0.2
                continue
            fi
            ((++n))
            [[ $line == end ]] && return 0
            play_key "$line"
        done
    }

    echo "--- at start"
    said_since 0
    mark=$(spoken_count)
    accounted=$mark
    play_key() {
        local key=$1
        case $key in
        pace:*)
            wpm=${key#pace:}
            accounted=$(spoken_count) # what was said before is not for this listener
            echo "--- $key"
            return 0
            ;;
        from:*)
            next_keys "${key#from:}"
            return 0
            ;;
        mark:*)
            echo "--- $key"
            return 0
            ;;
        wait:*)
            echo "--- $key"
            sleep "${key#wait:}"
            ;;
        until:*)
            pattern=${key#until:}
            limit=20
            [[ $pattern =~ ^(.*):([0-9]+)$ ]] && pattern=${BASH_REMATCH[1]} limit=${BASH_REMATCH[2]}
            echo "--- $key"
            from=${lastmark:-$mark} # it may have been said while the key before was listened to
            deadline=$((SECONDS + limit))
            while ((SECONDS < deadline)); do
                spoken | tail -n +$((from + 1)) | grep -qE -- "$pattern" && break
                sleep 0.2
            done
            if ! spoken | tail -n +$((from + 1)) | grep -qE -- "$pattern"; then
                said_since "$mark"
                echo "orca_listen: Orca never said /$pattern/ within $limit s" >&2
                exit 1
            fi
            ;;
        keys:*)
            listen_at_pace
            echo "--- $key ($(date +%T))"
            IFS=, read -r -a batch <<<"${key#keys:}"
            timeout 30 xdotool key --clearmodifiers --delay 150 "${batch[@]}"
            settle "$mark" 15
            ;;
        *)
            listen_at_pace
            echo "--- key $key ($(date +%T))"
            timeout 5 xdotool key --clearmodifiers "$key"
            settle "$mark" 15
            ;;
        esac
        # A box the key opened (a titled window of the game) gets the focus, as a window manager
        # would give it; the game's window gets it back when the box closes.
        box=$(xdotool search --onlyvisible --pid "$game_pid" --name '.' 2>/dev/null |
            grep -vx "$wid" | head -n 1 || true)
        focused=$(xdotool getwindowfocus 2>/dev/null || true)
        if [[ -n $box && $box != "$focused" ]]; then
            timeout 5 xdotool windowfocus --sync "$box" || true
            settle "$(spoken_count)" 3
        elif [[ -z $box && $focused != "$wid" ]]; then
            timeout 5 xdotool windowfocus --sync "$wid" || true
        fi
        said_since "$mark"
        lastmark=$mark
        mark=$(spoken_count)
    }
    for key in "$@"; do
        play_key "$key"
    done
    [[ -z ${keeplog:-} ]] || cp "$tmp/orca.log" "$keeplog"
    exit 0
fi

binary=$(realpath build/roadshift 2>/dev/null || echo build/roadshift)
keeplog=""
while (($#)); do
    case $1 in
    --game)
        binary=$(realpath "$2")
        shift 2
        ;;
    --log)
        keeplog=$(realpath -m "$2")
        shift 2
        ;;
    *) break ;;
    esac
done
for tool in Xvfb xdotool dbus-run-session orca speech-dispatcher /usr/libexec/at-spi-bus-launcher \
    /usr/libexec/at-spi2-registryd; do
    command -v "$tool" >/dev/null || { echo "orca_listen: $tool is missing" >&2; exit 1; }
done
if pgrep -x orca >/dev/null; then
    echo "orca_listen: another Orca runs; Orca starts only once" >&2
    exit 1
fi

tmp=$(mktemp -d "${TMPDIR:-/tmp}/roadshift-orca.XXXXXX")
xvfb_pid=""
cleanup() {
    if [[ -n $xvfb_pid ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$tmp"
}
trap cleanup EXIT

source "$here/../tests/xvfb.sh"
# Another display starting at the same moment may take the number this one picked: try again.
for attempt in 1 2 3; do
    if start_xvfb "$tmp" && timeout 5 xdotool getdisplaygeometry >/dev/null 2>&1; then
        break
    fi
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
    rm -f "$tmp/display"
    ((attempt < 3)) || { echo "orca_listen: Xvfb did not start" >&2; exit 1; }
done
export tmp keeplog
status=0
dbus-run-session -- "$0" --inside "$binary" "$@" 2> >(grep -v 'Failed to set fd limit' >&2) ||
    status=$?
exit "$status"
