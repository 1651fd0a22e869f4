#!/usr/bin/env bash
# Drives the installed program in a real X server with real keyboard and mouse input, as a
# person would: one reading from typing the name to saving, printing, going back and opening the
# saved file again; the single-instance rule; the help link; screenshots of every window.
#   e2e.sh <build-dir> <output-dir>
set -uo pipefail

BUILD=$(cd "$1" && pwd)
OUT=$2
mkdir -p "$OUT"
OUT=$(cd "$OUT" && pwd)
# Files saved by an earlier run would make the save dialog ask whether to replace them.
rm -f "$OUT/anna.zvr" "$OUT/anna-again.zvr"
STAGE=$OUT/stage
SITE=$(sed -n 's/^#define ZORVANE_SITE_URL "\(.*\)"$/\1/p' "$BUILD/generated/zorvane_config.h")

STEP="setting up"
fail() {
    echo "E2E FAILED at step: $STEP${1:+ ($1)}" >&2
    import -window root "$OUT/failure.png" 2>/dev/null
    echo "screenshots kept in $OUT" >&2
    exit 1
}
step() { STEP=$*; echo "-- $STEP"; }

# Waits up to $1 seconds for the command after it to succeed.
wait_for() {
    local limit=$1
    shift
    local end=$((SECONDS + limit))
    until "$@"; do
        [ "$SECONDS" -ge "$end" ] && return 1
        sleep 0.1
    done
}

cleanup() {
    for p in ${ZV_PIDS:-} ${WM_PID:-} ${XVFB_PID:-}; do kill -9 "$p" 2>/dev/null; done
    rm -rf "$SCRATCH"
}
SCRATCH=$(mktemp -d)
trap cleanup EXIT

step "installing into a staging prefix"
cmake --install "$BUILD" --prefix "$STAGE" >/dev/null || fail
BIN=$STAGE/bin/zorvane
[ -x "$BIN" ] || fail "no installed binary"

step "starting the X server"
exec 5> "$SCRATCH/displayfd"
Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
XVFB_PID=$!
wait_for 10 test -s "$SCRATCH/displayfd" || fail
export DISPLAY=:$(head -n1 "$SCRATCH/displayfd")
export QT_QPA_PLATFORM=xcb
wait_for 10 xdpyinfo >/dev/null 2>&1 || fail
openbox >/dev/null 2>&1 &
WM_PID=$!
wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window' || fail "no window manager"

# A fresh user: own settings, own runtime folder, and a desktop URL opener that records.
export HOME=$SCRATCH/home XDG_CONFIG_HOME=$SCRATCH/home/.config XDG_RUNTIME_DIR=$SCRATCH/run
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$SCRATCH/bin" && chmod 700 "$XDG_RUNTIME_DIR"
cat > "$SCRATCH/bin/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$@" >> "$SCRATCH/opened"
EOF
chmod +x "$SCRATCH/bin/xdg-open"
export PATH=$SCRATCH/bin:$PATH
unset BROWSER DEFAULT_BROWSER

# Visible top-level windows with exactly this title.
windows() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null; }
count() { windows "$1" | wc -l; }
width_of() { xdotool getwindowgeometry "$1" | awk '/Geometry/ {split($2, s, "x"); print s[1]}'; }
# The visible program window at least / at most this wide.
window_wider_than() {
    for w in $(windows "Zorvane v1.45"); do [ "$(width_of "$w")" -gt "$1" ] && echo "$w"; done
}
window_narrower_than() {
    for w in $(windows "Zorvane v1.45"); do [ "$(width_of "$w")" -lt "$1" ] && echo "$w"; done
}
has_window_wider_than() { [ -n "$(window_wider_than "$1")" ]; }
no_window_wider_than() { [ -z "$(window_wider_than "$1")" ]; }
count_is() { [ "$(count "$1")" -eq "$2" ]; }
count_at_least() { [ "$(count "$1")" -ge "$2" ]; }
gone() { ! kill -0 "$1" 2>/dev/null; }
shot() { import -window root "$OUT/$1.png" || fail "screenshot $1"; }
press() { xdotool key --clearmodifiers "$@"; sleep 0.2; }
focus() { xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"; }
encoded() { # the bytes of a reading file for name, day, month, year
    for v in "$@"; do
        printf '%s' "$v" | od -An -tu1 -v | tr -s ' ' '\n' | sed '/^$/d' |
            while read -r c; do printf "\\$(printf '%03o' $((c + 85)))"; done
        printf '\r\n'
    done
}

step "starting Zorvane"
"$BIN" &
FIRST=$!
ZV_PIDS=$FIRST
wait_for 20 count_is "Zorvane v1.45" 1 || fail "the entry form did not appear"
ENTRY=$(windows "Zorvane v1.45")
focus "$ENTRY"
sleep 0.5
shot entry-form

step "typing the name and choosing 14 March 1975"
xdotool type --delay 60 "anna"
press Tab
xdotool type --delay 60 "14"
press Tab
xdotool type --delay 60 "March"
press Tab
xdotool type --delay 60 "1975"
sleep 0.5
shot entry-form-filled

step "pressing the reading button"
press alt+z
wait_for 20 has_window_wider_than 1000 || fail "the frame did not open"
FRAME=$(window_wider_than 1000)
[ "$(width_of "$FRAME")" -ge 1270 ] || fail "the frame is not maximized"
[ "$(count "Zorvane v1.45")" -eq 1 ] || fail "the entry form is still visible"
sleep 1
shot display-tab0
eval "$(xdotool getwindowgeometry --shell "$FRAME")"
FRAME_X=$X FRAME_Y=$Y

step "looking at the other tabs"
# The display is centred in the frame under the banner (41 px) and the name strip (24 px);
# its tab strip starts 362 px into it, three tabs of 190 px, 40 px high.
DISPLAY_LEFT=$(( (1280 - 933) / 2 ))
for tab in 1 2; do
    xdotool mousemove $((FRAME_X + DISPLAY_LEFT + 362 + 95 + 190 * tab)) $((FRAME_Y + 85)) click 1
    sleep 0.5
    shot "display-tab$tab"
done
# Pointing at Malkhuth writes its help on the third tab.
xdotool mousemove $((FRAME_X + DISPLAY_LEFT + 132)) $((FRAME_Y + 65 + 490))
sleep 0.5
shot display-sphere-help
xdotool mousemove $((FRAME_X + DISPLAY_LEFT + 362 + 95)) $((FRAME_Y + 85)) click 1
sleep 0.3

step "File > Print opens the report"
focus "$FRAME"
press alt+f
press p
wait_for 20 count_is "Zorvane v1.45" 2 || fail "the report did not open"
REPORT=$(window_narrower_than 1000)
[ -n "$REPORT" ] || fail "no report window"
sleep 0.5
shot report

step "saving through the file dialog"
focus "$REPORT"
press alt+s
wait_for 20 count_at_least "Zorvane" 1 || fail "the save dialog did not open"
sleep 0.5
shot save-dialog
xdotool type --delay 30 "$OUT/anna"
press Return
wait_for 20 test -s "$OUT/anna.zvr" || fail "no file was saved"
sleep 0.3
cmp -s "$OUT/anna.zvr" <(encoded ANNA 14 March 1975) || fail "the saved bytes differ"

step "closing the report"
focus "$REPORT"
press Escape
wait_for 10 count_is "Zorvane v1.45" 1 || fail "the report did not close"

step "Help > Online Help opens the help page"
focus "$FRAME"
press alt+h
press o
wait_for 10 test -s "$SCRATCH/opened" || fail "no address was opened"
[ "$(cat "$SCRATCH/opened")" = "$SITE/zorvane/ssd.php?page=help-web-page" ] ||
    fail "opened $(cat "$SCRATCH/opened")"

step "Help > About Software"
press alt+h
press a
wait_for 10 count_is "Zorvane v1.45" 2 || fail "the about box did not open"
sleep 0.5
shot about
press Escape
wait_for 10 count_is "Zorvane v1.45" 1 || fail "the about box did not close"

step "Back shows the entry form with the same inputs"
focus "$FRAME"
press alt+b
wait_for 20 no_window_wider_than 1000 || fail "the frame did not close"
wait_for 10 count_is "Zorvane v1.45" 1 || fail "the entry form did not come back"
ENTRY=$(windows "Zorvane v1.45")
sleep 0.5
shot entry-form-after-back
# The same inputs give the same file again.
focus "$ENTRY"
press alt+z
wait_for 20 has_window_wider_than 1000 || fail "the frame did not open again"
FRAME=$(window_wider_than 1000)
focus "$FRAME"
press alt+p
wait_for 20 count_is "Zorvane v1.45" 2 || fail "the report did not open again"
REPORT=$(window_narrower_than 1000)
focus "$REPORT"
press alt+s
wait_for 20 count_at_least "Zorvane" 1 || fail "the save dialog did not open again"
sleep 0.5
xdotool type --delay 30 "$OUT/anna-again.zvr"
press Return
wait_for 20 test -s "$OUT/anna-again.zvr" || fail "the second file was not saved"
sleep 0.3
cmp -s "$OUT/anna.zvr" "$OUT/anna-again.zvr" || fail "the inputs changed after Back"
focus "$REPORT"
press Escape
wait_for 10 count_is "Zorvane v1.45" 1 || fail
focus "$FRAME"
press alt+b
wait_for 20 no_window_wider_than 1000 || fail "the frame did not close again"

step "opening the saved file through the open dialog"
ENTRY=$(windows "Zorvane v1.45")
focus "$ENTRY"
press alt+f
press Down
press Return
wait_for 20 count_is "Select the source file" 1 || fail "the open dialog did not open"
sleep 0.5
shot open-dialog
xdotool type --delay 30 "$OUT/anna.zvr"
press Return
wait_for 20 has_window_wider_than 1000 || fail "the reading did not come back"
sleep 1
shot display-reopened
ae=$(compare -metric AE "$OUT/display-tab0.png" "$OUT/display-reopened.png" null: 2>&1 >/dev/null)
[ "${ae%% *}" -lt 200 ] 2>/dev/null || fail "the reopened reading looks different ($ae pixels)"

step "a second start is refused while the first runs"
"$BIN" &
SECOND=$!
ZV_PIDS="$FIRST $SECOND"
wait_for 20 count_is "Zorvane" 1 || fail "no message from the second start"
MSG=$(windows "Zorvane")
sleep 0.3
shot already-running
focus "$MSG"
press Return
wait_for 10 gone "$SECOND" || fail "the second start did not end"
wait "$SECOND"
[ $? -eq 0 ] || fail "the second start did not end cleanly"
kill -0 "$FIRST" 2>/dev/null || fail "the first instance is gone"
has_window_wider_than 1000 || fail "the first instance lost its frame"

step "after the first is killed, a new start works"
kill -9 "$FIRST"
wait "$FIRST" 2>/dev/null
"$BIN" &
THIRD=$!
ZV_PIDS=$THIRD
wait_for 20 count_is "Zorvane v1.45" 1 || fail "the new start showed no entry form"
[ "$(count "Zorvane")" -eq 0 ] || fail "the new start was refused"

step "Exit ends the program"
focus "$(windows "Zorvane v1.45")"
press alt+e
wait_for 10 gone "$THIRD" || fail "Exit did not end the program"
wait "$THIRD"
[ $? -eq 0 ] || fail "the program did not end with status 0"

step "a file handed over by the file manager opens its reading"
"$BIN" "$OUT/anna.zvr" &
FOURTH=$!
ZV_PIDS=$FOURTH
wait_for 20 has_window_wider_than 1000 || fail "the file's reading did not open"
sleep 1
shot display-from-file-manager
ae=$(compare -metric AE "$OUT/display-tab0.png" "$OUT/display-from-file-manager.png" null: 2>&1 >/dev/null)
[ "${ae%% *}" -lt 200 ] 2>/dev/null || fail "the reading from the file looks different ($ae pixels)"
focus "$(window_wider_than 1000)"
press alt+e
wait_for 10 gone "$FOURTH" || fail "Exit in the frame did not end the program"
wait "$FOURTH"
[ $? -eq 0 ] || fail "the program did not end with status 0"

echo "end-to-end: all steps passed; screenshots in $OUT"
