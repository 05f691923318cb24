# A display of its own for a script that runs the game: sourced, not run.
#
# start_xvfb <folder>: starts Xvfb (1024 x 768) on a free display number, keeping its files in
# <folder>; sets xvfb_pid and exports DISPLAY and a private XDG_RUNTIME_DIR. Returns 1 when the
# server is not up within 10 s (its log is <folder>/xvfb.log). The caller stops it.
start_xvfb() {
    local dir=$1 tries
    # Xvfb picks a free number and writes it to the file once it accepts clients.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$dir/display" >"$dir/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for ((tries = 100; tries > 0; --tries)); do
        [[ -s $dir/display ]] && break
        sleep 0.1
    done
    [[ -s $dir/display ]] || return 1
    export DISPLAY=":$(head -n 1 "$dir/display")"
    export XDG_RUNTIME_DIR=$dir/runtime
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
}
