# Sourced by the scripts that drive the real program: named steps and bounded waits.

# The program runs once per user and network namespace: a run beside others as the same user takes
# a namespace of its own where the system allows it, by running "$@" in one in place of the shell.
own_network() {
    [ -z "${ZV_NETNS:-}" ] && unshare -n true 2>/dev/null && ZV_NETNS=1 exec unshare -n "$@"
}

# Names the step that a failure will report, and says it.
step() { STEP=$*; echo "-- $STEP"; }

# Forks are dear on a loaded machine, and the waits below poll often: the clock and the pause
# between polls start no process. The pause reads a pipe that never gets data until it times out.
exec {PAUSE_FD}<> <(:)
pause() { read -r -t "$1" -u "$PAUSE_FD" || true; }
# Microseconds since the epoch, into NOW_US.
clock() { NOW_US=${EPOCHREALTIME/[.,]/}; NOW_US=$((10#$NOW_US)); }

# Waits up to $1 seconds (a fraction is allowed: 0.5) for the command after it to succeed.
wait_for() {
    local whole=${1%.*} frac=
    [[ $1 == *.* ]] && frac=${1#*.}
    frac=${frac}000000
    clock
    local end=$((NOW_US + ${whole:-0} * 1000000 + 10#${frac:0:6}))
    shift
    until "$@"; do
        clock
        [ "$NOW_US" -ge "$end" ] && return 1
        pause 0.05
    done
}

# A private folder for the run, in memory where there is such a file system: screens kept there
# for comparison are five megabytes each.
scratch_folder() { mktemp -d -p /dev/shm 2>/dev/null || mktemp -d; }

# Starts a private X server of the given size (WIDTHxHEIGHT) and exports its DISPLAY. A server
# that gives up at once (other runs start theirs at the same moment) is started again.
start_x_server() {
    local size=$1
    own_server() {
        local n
        n=$(head -n1 "$SCRATCH/displayfd" 2>/dev/null)
        [ -n "$n" ] && kill -0 "$XVFB_PID" 2>/dev/null && DISPLAY=:$n xdpyinfo >/dev/null 2>&1 &&
            kill -0 "$XVFB_PID" 2>/dev/null
    }
    for _ in 1 2 3; do
        [ -n "${XVFB_PID:-}" ] && kill -9 "$XVFB_PID" 2>/dev/null
        : > "$SCRATCH/displayfd"
        Xvfb -displayfd 5 -screen 0 "${size}x24" -nolisten tcp 5>"$SCRATCH/displayfd" \
            >/dev/null 2>&1 &
        XVFB_PID=$!
        wait_for 10 own_server && break
    done
    own_server || return 1
    export DISPLAY=:$(head -n1 "$SCRATCH/displayfd")
}

# Starts openbox on DISPLAY and waits until it manages the screen; a window manager that gives up
# on a server that has only just come up is started again.
start_window_manager() {
    wm_running() {
        if ! kill -0 "${WM_PID:-}" 2>/dev/null; then
            openbox >>"$SCRATCH/openbox.log" 2>&1 &
            WM_PID=$!
        fi
        xprop -root _NET_WORKAREA 2>/dev/null | grep -q = && kill -0 "$WM_PID"
    }
    WM_PID=
    wait_for 30 wm_running
}

# Whether window $1 has the keyboard; focus waits until it has, asking for it again meanwhile.
is_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
activated() {
    is_active "$1" && return
    # A window manager that gave up on the fresh server is started again: it does the activating.
    wm_running
    xdotool windowactivate "$1" 2>/dev/null || xdotool windowfocus "$1" 2>/dev/null
    is_active "$1"
}
focus() { wait_for 10 activated "$1" || fail "window $1 did not take the keyboard"; }
