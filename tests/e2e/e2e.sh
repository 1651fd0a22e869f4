#!/usr/bin/env bash
# Drives the installed program in a real X server with real keyboard and mouse input, as a
# person would: one reading from typing the name to saving, printing, going back and opening the
# saved file again; the single-instance rule; the help link; screenshots of every window.
# Every step waits, with a bound, for what it needs; clicks go where the program's screen-reader
# tree says the control is.
#   e2e.sh <build-dir> <output-dir> <version> <screen_shot program>
set -uo pipefail
# A private session bus, so that the screen-reader tree can be read.
if [ -z "${E2E_OWN_BUS:-}" ]; then
    E2E_OWN_BUS=1 exec dbus-run-session -- "$0" "$@" 2> >(grep -v '^dbus-daemon' >&2)
fi
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
HERE=$(cd "$(dirname "$0")" && pwd)

BUILD=$(cd "$1" && pwd)
# Every window's caption: the program's name and the version the build gives it.
CAPTION="Zorvane v$3"
OUT=$2
SCREEN_SHOT=$4
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
    cat "$SCRATCH/openbox.log" >&2 2>/dev/null
    echo "screenshots kept in $OUT" >&2
    exit 1
}
source "$(dirname "$0")/steps.sh"
own_network "$0" "$@"

cleanup() {
    for p in ${ZV_PIDS:-} ${WM_PID:-} ${XVFB_PID:-}; do kill -9 "$p" 2>/dev/null; done
    rm -rf "$SCRATCH"
}
SCRATCH=$(scratch_folder)
trap cleanup EXIT

step "installing into a staging prefix"
cmake --install "$BUILD" --prefix "$STAGE" >/dev/null || fail
BIN=$STAGE/bin/zorvane
[ -x "$BIN" ] || fail "no installed binary"

step "starting the X server"
start_x_server 1280x1024 || fail "no X server of our own"
export QT_QPA_PLATFORM=xcb
start_window_manager || fail "no window manager"

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

# Waits for the opener to record an address and fails unless it is exactly the one given.
expect_opened() {
    wait_for 10 test -s "$SCRATCH/opened" || fail "$2"
    [ "$(cat "$SCRATCH/opened")" = "$1" ] || fail "opened $(cat "$SCRATCH/opened")"
}

# Visible top-level windows with exactly this title: into the array FOUND, or printed. The checks
# that waits poll start as few processes as they can.
found() {
    local out
    out=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null)
    FOUND=($out)
}
windows() { found "$1" && printf '%s\n' "${FOUND[@]}"; }
count() { found "$1" && echo "${#FOUND[@]}"; }
# The width of window $1 into WIDTH; 0 for a window that has just gone.
width_of() {
    local geometry
    geometry=$(xdotool getwindowgeometry "$1" 2>/dev/null)
    WIDTH=0
    [[ $geometry =~ Geometry:\ ([0-9]+)x ]] && WIDTH=${BASH_REMATCH[1]}
}
# The visible program windows wider / narrower than $1, into SIZED.
wider_than() {
    found "$CAPTION"
    SIZED=()
    for w in "${FOUND[@]}"; do width_of "$w" && [ "$WIDTH" -gt "$1" ] && SIZED+=("$w"); done
    return 0
}
narrower_than() {
    found "$CAPTION"
    SIZED=()
    for w in "${FOUND[@]}"; do width_of "$w" && [ "$WIDTH" -lt "$1" ] && SIZED+=("$w"); done
    return 0
}
window_wider_than() { wider_than "$1" && printf '%s\n' "${SIZED[@]}"; }
window_narrower_than() { narrower_than "$1" && printf '%s\n' "${SIZED[@]}"; }
has_window_wider_than() { wider_than "$1" && [ ${#SIZED[@]} -gt 0 ]; }
no_window_wider_than() { wider_than "$1" && [ ${#SIZED[@]} -eq 0 ]; }
count_is() { found "$1" && [ "${#FOUND[@]}" -eq "$2" ]; }
count_at_least() { found "$1" && [ "${#FOUND[@]}" -ge "$2" ]; }
gone() { ! kill -0 "$1" 2>/dev/null; }
# Waits for program $1 to end, failing with $2 if it does not, and checks that it ended with 0.
ended_cleanly() {
    wait_for 10 gone "$1" || fail "$2"
    wait "$1"
    local status=$?
    [ "$status" -eq 0 ] || fail "it ended with status $status, not 0"
}
# A screenshot once the windows have finished painting.
shot() { "$SCREEN_SHOT" settled "$OUT/$1.png" 10 || fail "the screen did not settle for $1"; }
# The number of pixels in which two shots differ, within the area $3 (WxH+X+Y) if given.
differing_pixels() {
    "$SCREEN_SHOT" changed "$OUT/$1.png" 0 "${3:-1280x1024+0+0}" --from "$OUT/$2.png"
}
# How many pixels of the colour $3 lie within the box $2 (WxH+X+Y) of screenshot $1.
pixels_of() {
    convert "$OUT/$1.png[$2]" -fill black +opaque "$3" -fill white -opaque "$3" \
        -format '%[fx:round(mean*w*h)]' info:
}
press() { xdotool key --clearmodifiers "$@"; }
# The newest visible window with this title, once it has the keyboard.
active_window() {
    found "$1"
    [ ${#FOUND[@]} -gt 0 ] && is_active "${FOUND[-1]}" && echo "${FOUND[-1]}"
}
# The screen centre of the control that process $1's screen-reader tree names $2 (role $3).
where() { "$HERE/where.py" "$@" 2>/dev/null; }
located() { XY=$(where "$@") && [ -n "$XY" ]; }
click_on() {
    wait_for 30 located "$@" || fail "no control named $2 is showing"
    xdotool mousemove $XY click 1
}
point_at() {
    wait_for 30 located "$@" || fail "no control named $2 is showing"
    xdotool mousemove $XY
}
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
wait_for 20 count_is "$CAPTION" 1 || fail "the entry form did not appear"
ENTRY=$(windows "$CAPTION")
focus "$ENTRY"
shot entry-form

step "typing the name and choosing 14 March 1975"
xdotool type "anna"
press Tab
xdotool type "14"
press Tab
xdotool type "March"
press Tab
xdotool type "1975"
shot entry-form-filled

step "pressing the reading button"
press alt+z
wait_for 20 has_window_wider_than 1000 || fail "the frame did not open"
FRAME=$(window_wider_than 1000)
width_of "$FRAME"
[ "$WIDTH" -ge 1270 ] || fail "the frame is not maximized"
[ "$(count "$CAPTION")" -eq 1 ] || fail "the entry form is still visible"
shot display-tab0
# Read whole before grep looks: grep -q stops early, and the query's broken pipe would count.
names=$(where --names "$FIRST") || fail "no screen-reader tree"
grep -q "sign dates" <<<"$names" && fail "a mid-sign day shows a note"

step "looking at the other tabs"
three_tabs() {
    TABS=()
    while IFS= read -r tab; do TABS+=("$tab"); done < <(where --tabs "$FIRST")
    [ ${#TABS[@]} -eq 3 ]
}
wait_for 30 three_tabs || fail "the display does not show three tabs"
for tab in 1 2; do
    click_on "$FIRST" "${TABS[$tab]}" "page tab"
    shot "display-tab$tab"
done
# Pointing at Malkhuth writes its help on the third tab.
point_at "$FIRST" Malkhuth
shot display-sphere-help
click_on "$FIRST" "${TABS[0]}" "page tab"

step "File > Print opens the report"
focus "$FRAME"
press alt+f
press p
wait_for 20 count_is "$CAPTION" 2 || fail "the report did not open"
REPORT=$(window_narrower_than 1000)
[ -n "$REPORT" ] || fail "no report window"
shot report

step "saving through the file dialog"
focus "$REPORT"
press alt+s
wait_for 20 active_window "Zorvane" >/dev/null || fail "the save dialog did not open"
shot save-dialog
xdotool type "$OUT/anna"
press Return
wait_for 20 cmp -s "$OUT/anna.zvr" <(encoded ANNA 14 March 1975) || fail "the saved bytes differ"

step "closing the report"
focus "$REPORT"
press Escape
wait_for 10 count_is "$CAPTION" 1 || fail "the report did not close"

step "Help > Online Help opens the help page"
focus "$FRAME"
press alt+h
press o
expect_opened "$SITE/zorvane/ssd.php?page=help-web-page" "no address was opened"

step "Help > About Software"
press alt+h
press a
wait_for 10 count_is "$CAPTION" 2 || fail "the about box did not open"
shot about
press Escape
wait_for 10 count_is "$CAPTION" 1 || fail "the about box did not close"

step "Back shows the entry form with the same inputs"
focus "$FRAME"
press alt+b
wait_for 20 no_window_wider_than 1000 || fail "the frame did not close"
wait_for 10 count_is "$CAPTION" 1 || fail "the entry form did not come back"
ENTRY=$(windows "$CAPTION")
shot entry-form-after-back
# The same inputs give the same file again.
focus "$ENTRY"
press alt+z
wait_for 20 has_window_wider_than 1000 || fail "the frame did not open again"
FRAME=$(window_wider_than 1000)
focus "$FRAME"
press alt+p
wait_for 20 count_is "$CAPTION" 2 || fail "the report did not open again"
REPORT=$(window_narrower_than 1000)
focus "$REPORT"
press alt+s
wait_for 20 active_window "Zorvane" >/dev/null || fail "the save dialog did not open again"
xdotool type "$OUT/anna-again.zvr"
press Return
wait_for 20 cmp -s "$OUT/anna.zvr" "$OUT/anna-again.zvr" || fail "the inputs changed after Back"
focus "$REPORT"
press Escape
wait_for 10 count_is "$CAPTION" 1 || fail
focus "$FRAME"
press alt+b
wait_for 20 no_window_wider_than 1000 || fail "the frame did not close again"

step "opening the saved file through the open dialog"
ENTRY=$(windows "$CAPTION")
focus "$ENTRY"
press alt+f
press Down
press Return
wait_for 20 active_window "Select the source file" >/dev/null || fail "the open dialog did not open"
shot open-dialog
xdotool type "$OUT/anna.zvr"
press Return
wait_for 20 has_window_wider_than 1000 || fail "the reading did not come back"
shot display-reopened
ae=$(differing_pixels display-tab0 display-reopened)
[ "$ae" -lt 200 ] 2>/dev/null || fail "the reopened reading looks different ($ae pixels)"

step "a second start is refused while the first runs"
"$BIN" &
SECOND=$!
ZV_PIDS="$FIRST $SECOND"
wait_for 20 count_is "Zorvane" 1 || fail "no message from the second start"
MSG=$(windows "Zorvane")
shot already-running
focus "$MSG"
press Return
ended_cleanly "$SECOND" "the second start did not end"
kill -0 "$FIRST" 2>/dev/null || fail "the first instance is gone"
has_window_wider_than 1000 || fail "the first instance lost its frame"

step "after the first is killed, a new start works"
kill -9 "$FIRST"
wait "$FIRST" 2>/dev/null
"$BIN" &
THIRD=$!
ZV_PIDS=$THIRD
wait_for 20 count_is "$CAPTION" 1 || fail "the new start showed no entry form"
[ "$(count "Zorvane")" -eq 0 ] || fail "the new start was refused"

step "Exit ends the program"
focus "$(windows "$CAPTION")"
press alt+e
ended_cleanly "$THIRD" "Exit did not end the program"

step "a file handed over by the file manager opens its reading"
"$BIN" "$OUT/anna.zvr" &
FOURTH=$!
ZV_PIDS=$FOURTH
wait_for 20 has_window_wider_than 1000 || fail "the file's reading did not open"
shot display-from-file-manager
# Opened without a key, the frame shows no focus mark on Print; the reading above the button bar
# is the same.
ae=$(differing_pixels display-tab0 display-from-file-manager 1280x960+0+0)
[ "$ae" -lt 200 ] 2>/dev/null || fail "the reading from the file looks different ($ae pixels)"
focus "$(window_wider_than 1000)"
press alt+e
ended_cleanly "$FOURTH" "Exit in the frame did not end the program"

step "21 September: the note, its link to the sky's reading and the report"
encoded SEPTIMA 21 September 1975 > "$OUT/september.zvr"
TZ=Europe/Berlin "$BIN" "$OUT/september.zvr" &
FIFTH=$!
ZV_PIDS=$FIFTH
wait_for 20 has_window_wider_than 1000 || fail "the reading did not open"
note_says() { local n; n=$(where --names "$FIFTH") && grep -q "$1" <<<"$n"; }
wait_for 30 note_says "in Virgo all day.*Europe/Berlin, UTC+01:00.*traditional sign dates" ||
    fail "no note on the sky's sign"
shot display-sky-note
click_on "$FIFTH" "Show the Virgo reading" link
wait_for 30 located "$FIFTH" "Back to the Libra reading of the sign dates" link ||
    fail "the link did not show the Virgo reading"
wait_for 30 note_says "This is the Virgo reading" || fail "the note does not name the reading on show"
shot display-sky-reading
focus "$(window_wider_than 1000)"
press alt+p
wait_for 20 count_is "$CAPTION" 2 || fail "the report did not open"
report_has() { local t; t=$(where --text "$FIFTH" Report) && grep -q "$1" <<<"${t//$'\n'/ }"; }
wait_for 30 report_has "in Virgo all day.*This is the Virgo reading" ||
    fail "the report does not end with the note"
focus "$(window_narrower_than 1000)"
press Escape
wait_for 10 count_is "$CAPTION" 1 || fail "the report did not close"
focus "$(window_wider_than 1000)"
press alt+e
wait_for 10 gone "$FIFTH" || fail "Exit did not end the program"

step "keys: a frame opened by a key marks the focus on Print"
"$BIN" &
SIXTH=$!
ZV_PIDS=$SIXTH
wait_for 20 count_is "$CAPTION" 1 || fail "the entry form did not appear"
focus "$(windows "$CAPTION")"
xdotool type "anna"
press Tab
wait_for 30 located "$SIXTH" "Day of birth" "combo box" || fail "no day list"
read -r x y <<< "$XY"
shot keys-day-list
# Inside the white list, clear of the navy window around it, a ring of navy.
ring=$(pixels_of keys-day-list "58x20+$((x - 29))+$((y - 10))" "rgb(0,0,64)")
[ "${ring:-0}" -ge 100 ] || fail "the day list shows no clear focus mark ($ring navy pixels)"
press alt+z
wait_for 20 has_window_wider_than 1000 || fail "the frame did not open by its key"
FRAME=$(window_wider_than 1000)
focus "$FRAME"
wait_for 30 located "$SIXTH" "Print" "push button" || fail "no Print button"
read -r x y <<< "$XY"
shot keys-frame-opened
# Inside the white button, a ring of navy two pixels wide.
ring=$(pixels_of keys-frame-opened "80x20+$((x - 40))+$((y - 10))" "rgb(0,0,64)")
[ "${ring:-0}" -ge 200 ] || fail "Print shows no clear focus mark ($ring navy pixels)"

step "keys: Shift+Tab from Print enters the Tree, and the sphere is announced last"
where --last-focus "$SIXTH" 3 >"$SCRATCH/focus" &
LISTENER=$!
wait_for 10 grep -q listening "$SCRATCH/focus" || fail "no screen-reader listener"
press shift+Tab
wait "$LISTENER"
[ "$(tail -n1 "$SCRATCH/focus")" = "Keter" ] || fail "announced last: $(tail -n1 "$SCRATCH/focus")"

step "keys: the banner link is reached by Tab and followed by Enter"
# Screen readers see the banner as a link.
wait_for 30 located "$SIXTH" "Join the Zorvane community at ${SITE#*://}" link || fail "no link"
: > "$SCRATCH/opened"
press Tab Tab Tab Tab
press Return
expect_opened "$SITE/zorvane/ssd.php?page=home-page" "the banner opened nothing"

step "keys: Ctrl+Q ends the program"
press ctrl+q
ended_cleanly "$SIXTH" "Ctrl+Q did not end the program"

echo "end-to-end: all steps passed; screenshots in $OUT"
