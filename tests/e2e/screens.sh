#!/usr/bin/env bash
# The installed program on small real screens under a window manager: the entry form, the about
# box and the report window centred by their frames, the reading scrolled from corner to corner
# on 800x600, and the frame restored from maximized fully on screen. Positions are read from the
# windows themselves; every wait is for a condition.
#   screens.sh <build-dir> <output-dir> <screen_shot program>
set -uo pipefail

BUILD=$(cd "$1" && pwd)
OUT=$2
SCREEN_SHOT=$3
mkdir -p "$OUT"
OUT=$(cd "$OUT" && pwd)
STAGE=$OUT/stage-screens
rm -f "$OUT"/screens-failure*.png

STEP="setting up"
fail() {
    echo "SCREENS FAILED at step: $STEP${1:+ ($1)}" >&2
    import -window root "$OUT/screens-failure${SESSION:+-$SESSION}.png" 2>/dev/null
    exit 1
}
source "$(dirname "$0")/steps.sh"

stop_session() {
    for p in ${ZV_PID:-} ${WM_PID:-} ${XVFB_PID:-}; do kill -9 "$p" 2>/dev/null; done
    ZV_PID= WM_PID= XVFB_PID=
}
SCRATCH=$(scratch_folder)
trap 'stop_session; rm -rf "$SCRATCH"' EXIT

step "installing into a staging prefix"
cmake --install "$BUILD" --prefix "$STAGE" >/dev/null || fail
BIN=$STAGE/bin/zorvane
[ -x "$BIN" ] || fail "no installed binary"

# Visible top-level windows with the program's title.
windows() { xdotool search --onlyvisible --name '^Zorvane v1\.45$' 2>/dev/null | sort; }
# Polled by the waits: one process a check.
count_is() {
    local out
    out=$(xdotool search --onlyvisible --name '^Zorvane v1\.45$' 2>/dev/null)
    local found=($out)
    [ ${#found[@]} -eq "$1" ]
}
# The one visible program window not in the list $1.
new_window() { comm -13 <(printf '%s\n' $1 | sort) <(windows) | head -n1; }
shot() { "$SCREEN_SHOT" save "$OUT/$1.png" || fail "screenshot $1"; }
press() { xdotool key --clearmodifiers "$@"; }

# The window's frame, decorations included, as "left top right bottom" (right and bottom
# exclusive); its client area from the X server, its decorations from the window manager.
frame_of() {
    local info ext
    info=$(xwininfo -id "$1" 2>/dev/null) || return 1
    ext=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.* = //p' | tr -d ',')
    [ -n "$ext" ] || return 1
    awk -v ext="$ext" '
        /Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
        /^ *Width:/ {w = $NF} /^ *Height:/ {h = $NF}
        END {split(ext, e, " "); print x - e[1], y - e[3], x + w + e[2], y + h + e[4]}' <<<"$info"
}
# The screen's area for windows, "left top right bottom".
workarea() {
    xprop -root _NET_WORKAREA | sed -n 's/.* = //p' | tr -d ',' |
        awk '{print $1, $2, $1 + $3, $2 + $4}'
}
# The frame's centre lies within a pixel of the work area's.
centred() {
    local f a
    f=$(frame_of "$1") || return 1
    a=$(workarea)
    awk -v f="$f" -v a="$a" 'BEGIN {
        split(f, F, " "); split(a, A, " ");
        dx = (F[1] + F[3]) - (A[1] + A[3]); dy = (F[2] + F[4]) - (A[2] + A[4]);
        exit !(dx >= -2 && dx <= 2 && dy >= -2 && dy <= 2) }'
}
inside() {
    local f a
    f=$(frame_of "$1") || return 1
    a=$(workarea)
    awk -v f="$f" -v a="$a" 'BEGIN {
        split(f, F, " "); split(a, A, " ");
        exit !(F[1] >= A[1] && F[2] >= A[2] && F[3] <= A[3] && F[4] <= A[4]) }'
}
maximized() { xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_MAXIMIZED_VERT; }
restored() { ! maximized "$1"; }
explain() { echo "frame $(frame_of "$1"), work area $(workarea)"; }

start_session() {
    local size=$1
    step "starting an X server of $size with a window manager"
    start_x_server "$size" || fail "no X server of our own"
    export QT_QPA_PLATFORM=xcb
    start_window_manager || fail "no window manager"

    # A fresh user each time: own settings and runtime folder, so no earlier instance answers.
    export HOME=$SCRATCH/home-$size XDG_CONFIG_HOME=$SCRATCH/home-$size/.config
    export XDG_RUNTIME_DIR=$SCRATCH/run-$size
    mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

    step "the entry form opens centred on $size"
    # Each start, not the whole script, takes a network namespace of its own: the two sessions run
    # side by side as one user, and one namespace would let only one of their programs start.
    (own_network "$BIN" || exec "$BIN") &
    ZV_PID=$!
    wait_for 20 count_is 1 || fail "the entry form did not appear"
    ENTRY=$(windows)
    wait_for 10 centred "$ENTRY" || fail "$(explain "$ENTRY")"
}

about_box_is_centred() {
    step "the about box opens centred"
    local before
    before=$(windows)
    # On a slow run the menu may open only after its item's key was sent: then try again.
    for _ in 1 2 3; do
        focus "$1"
        press alt+h
        press a
        wait_for 10 count_is 2 && break
        press Escape Escape
    done
    count_is 2 || fail "the about box did not open"
    local box
    box=$(new_window "$before")
    wait_for 10 centred "$box" || fail "$(explain "$box")"
    press Escape
    wait_for 10 count_is 1 || fail "the about box did not close"
}

# open_reading [day month]: 14 March unless told.
open_reading() {
    step "a reading opens in the maximized frame"
    focus "$ENTRY"
    xdotool type --delay 40 "anna"
    press Tab
    xdotool type --delay 40 "${1:-14}"
    press Tab
    xdotool type --delay 40 "${2:-March}"
    press alt+z
    wait_for 20 sh -c "xdotool search --onlyvisible --name '^Zorvane v1\.45\$' | grep -vx '$ENTRY' | grep -q ." ||
        fail "the frame did not open"
    FRAME=$(new_window "$ENTRY")
    wait_for 10 maximized "$FRAME" || fail "the frame is not maximized"
    wait_for 10 inside "$FRAME" || fail "$(explain "$FRAME")"
}

report_is_centred() {
    step "the report window opens centred"
    focus "$FRAME"
    press alt+p
    wait_for 20 count_is 2 || fail "the report did not open"
    local report
    report=$(new_window "$FRAME")
    wait_for 10 centred "$report" || fail "$(explain "$report")"
    focus "$report"
    press Escape
    wait_for 10 count_is 1 || fail "the report did not close"
}

restore_fits() {
    step "the frame restored from maximized fits on the screen"
    local f
    f=$(frame_of "$FRAME")
    set -- $f
    # A double click on the title bar restores, as a user does.
    xdotool mousemove $((($1 + $3) / 2)) $(($2 + 5)) click --repeat 2 --delay 80 1
    wait_for 10 restored "$FRAME" || fail "the frame was not restored"
    wait_for 10 inside "$FRAME" || fail "$(explain "$FRAME")"
}

small_screen() {
    start_session 800x600
    about_box_is_centred "$ENTRY"
    open_reading
    # The reading scrolled to its foot by dragging the handle of the frame's vertical scroll bar,
    # at its right edge above the 57 px button bar.
    eval "$(xdotool getwindowgeometry --shell "$FRAME")"
    shot screens-800x600-reading
    drag $((X + WIDTH - 8)) $((Y + 120)) $((X + WIDTH - 8)) $((Y + HEIGHT - 57 - 20))
    shot screens-800x600-reading-scrolled
    report_is_centred
    restore_fits
    shot screens-800x600-restored
}
drag() {
    xdotool mousemove "$1" "$2" mousedown 1
    xdotool mousemove "$(($1 + 1))" "$(($2 + 1))" mousemove "$3" "$4"
    xdotool mouseup 1
}

larger_screen() {
    start_session 1024x768
    # A day whose sign the sky contradicts: a screenshot of the maximized frame with its note.
    open_reading 21 September
    shot screens-1024x768-sky-note
    report_is_centred
    restore_fits
    shot screens-1024x768-restored
}

# The two screens are two sessions of their own (server, window manager, user), run side by side;
# each names its steps and ends its own processes however it ends.
in_session() {
    (
        SESSION=$1
        SCRATCH=$SCRATCH/$1
        mkdir -p "$SCRATCH"
        step() { STEP="$SESSION: $*"; echo "-- $STEP"; }
        trap stop_session EXIT
        "$2"
    )
}
in_session 800x600 small_screen &
small=$!
in_session 1024x768 larger_screen &
larger=$!
status=0
wait "$small" || status=1
wait "$larger" || status=1
[ "$status" -eq 0 ] || exit 1

echo "screens passed; screenshots in $OUT"
