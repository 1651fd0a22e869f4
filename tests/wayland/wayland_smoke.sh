#!/usr/bin/env bash
# One reading under a Wayland compositor: the program talks Wayland only (no X display of its
# own), opens a reading file handed to it, shows the frame, opens and closes the report and the
# about box, and Exit ends it with status 0, with nothing written to standard error. Its windows
# carry the menu entry's name as their app id. Weston runs nested in Xvfb so that xdotool can give
# it real keys; the compositor, not the program, places the windows.
#   wayland_smoke.sh <program> <output-dir> <screen_shot program> <menu entry's name>
set -uo pipefail
BIN=$1
OUT=$2
SCREEN_SHOT=$3
APP_ID=$4
mkdir -p "$OUT"
OUT=$(cd "$OUT" && pwd)

STEP="setting up"
fail() {
    echo "WAYLAND SMOKE FAILED at step: $STEP${1:+ ($1)}" >&2
    [ -s "$SCRATCH/protocol" ] && { echo "program's standard error:" >&2; own_messages >&2; }
    import -window root "$OUT/failure.png" 2>/dev/null
    exit 1
}
source "$(dirname "$0")/../e2e/steps.sh"
own_network "$0" "$@"
# The program's standard error without the lines of the client's protocol log.
own_messages() { grep -E -v '^\[ *[0-9]+\.[0-9]+\] ' "$SCRATCH/protocol"; }

cleanup() {
    for p in ${ZV_PID:-} ${WESTON_PID:-} ${XVFB_PID:-}; do
        { kill -9 "$p" && wait "$p"; } 2>/dev/null
    done
    rm -rf "$SCRATCH"
}
SCRATCH=$(scratch_folder)
trap cleanup EXIT

step "starting the X server that hosts the compositor"
start_x_server 1280x1024 || fail "no X server of our own"

step "starting Weston"
export HOME=$SCRATCH/home XDG_CONFIG_HOME=$SCRATCH/home/.config XDG_RUNTIME_DIR=$SCRATCH/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
weston --backend=x11-backend.so --use-pixman --socket=zorvane-test --width=1280 --height=1024 \
    --idle-time=0 >"$OUT/weston.log" 2>&1 &
WESTON_PID=$!
wait_for 20 test -S "$XDG_RUNTIME_DIR/zorvane-test" || fail "no Wayland socket"

# The share of the output painted in the frame's navy: the maximized frame covers most of it.
navy_share() { "$SCREEN_SHOT" share 0,0,64 2>/dev/null || echo 0; }
frame_shown() { [ "$(navy_share)" -gt 50 ]; }
gone() { ! kill -0 "$1" 2>/dev/null; }
# Half a second longer for each try: a key the compositor dropped is sent again soon, and on a
# loaded machine a later try still waits long enough for a slow window.
try_wait() { echo "$(($1 / 2)).$(($1 % 2 * 5))"; }

step "opening a reading file under Wayland"
python3 - "$SCRATCH/anna.zvr" <<'PY'
import sys
lines = ["ANNA", "14", "March", "1975"]
with open(sys.argv[1], "wb") as f:
    for line in lines:
        f.write(bytes(c + 85 for c in line.encode()) + b"\r\n")
PY
# In sanitizer builds: Mesa's EGL driver, unloaded by the time the leak checker runs, and
# libwayland-client keep allocations it cannot attribute. The other suites look for our leaks.
# The client's protocol log shows the app id the program asks for; it goes to standard error, and
# is set apart from the program's own messages below.
env -u DISPLAY WAYLAND_DISPLAY=zorvane-test QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
    "$BIN" "$SCRATCH/anna.zvr" >/dev/null 2>"$SCRATCH/protocol" &
ZV_PID=$!
wait_for 30 frame_shown || fail "the frame did not appear"
# The frame as it first appeared, once it has finished painting.
"$SCREEN_SHOT" settled "$OUT/frame.png" 10 "$SCRATCH/frame.bmp" || fail "the frame did not settle"

# Pixels that differ clearly from the frame as it first appeared, below the compositor's panel
# and its clock; shading that follows the focus or a button under the pointer does not count.
changed() {
    "$SCREEN_SHOT" changed "$SCRATCH/frame.bmp" 10 1280x960+0+64 2>/dev/null || echo 0
}
window_over_frame() { [ "$(changed)" -gt 20000 ] 2>/dev/null; }
# A focus mark that a key brought up changes a few hundred pixels; an open menu, thousands.
menu_open() { [ "$(changed)" -gt 3000 ] 2>/dev/null; }
frame_alone() { [ "$(changed)" -lt 2000 ] 2>/dev/null; }
closes_with_escape() {
    "$SCREEN_SHOT" save "$OUT/$1.png" || fail "no screenshot of the $1"
    # A window drawn before the compositor gave it the keyboard misses the key: send it again.
    for try in $(seq 8); do
        xdotool key --clearmodifiers Escape
        wait_for "$(try_wait "$try")" frame_alone && return
    done
    fail "the window did not close"
}

# Windows that the compositor places where it likes.
step "File > Print opens the report, Escape closes it"
xdotool key --clearmodifiers alt+p
wait_for 20 window_over_frame || fail "no report"
closes_with_escape report

step "Help > About Software opens the about box, Escape closes it"
# The compositor gives the frame the keyboard back a little after the about box or the report
# has gone; a key sent before then is lost and is sent again. Escape first closes a menu that
# opened only after the wait, so that each try starts from the frame alone.
for try in $(seq 8); do
    [ "$try" -gt 1 ] && xdotool key --clearmodifiers Escape
    xdotool key --clearmodifiers alt+h
    wait_for "$(try_wait "$try")" menu_open && break
done
menu_open || fail "no Help menu"
xdotool key --clearmodifiers a
wait_for 20 window_over_frame || fail "no about box"
closes_with_escape about

step "Exit ends the program"
# On a loaded machine the frame may take the focus back from the closed about box only after the
# key was sent; a key that found no frame is sent again.
for try in $(seq 8); do
    xdotool key --clearmodifiers alt+e
    wait_for "$(try_wait "$try")" gone "$ZV_PID" && break
done
gone "$ZV_PID" || fail "Exit did not end the program"
wait "$ZV_PID"
status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
[ -z "$(own_messages)" ] || fail "the program warned"
app_ids=$(grep -o 'xdg_toplevel@[0-9]*\.set_app_id("[^"]*")' "$SCRATCH/protocol" | sed 's/.*("//; s/")//' | sort -u)
[ "$app_ids" = "$APP_ID" ] || fail "app id of the windows: ${app_ids:-none}, not the menu entry's $APP_ID"

echo "wayland: the reading opened and the program ended cleanly"
