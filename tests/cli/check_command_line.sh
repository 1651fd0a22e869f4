#!/usr/bin/env bash
# Runs the built program as a shell user would, with no display at all: --help and --version
# answer on standard output and end at once; an unknown option or a second file is refused with
# one line on standard error, and so is a start that needs a display. None of them may open a window, take the lock or write a setting.
#   check_command_line.sh <program> <generated zorvane_config.h>
set -uo pipefail
BIN=$1
VERSION=$(sed -n 's/^#define ZORVANE_VERSION "\(.*\)"$/\1/p' "$2")
[ -n "$VERSION" ] || { echo "FAIL: no version in $2" >&2; exit 1; }

SCRATCH=$(mktemp -d)
trap 'rm -rf "$SCRATCH"' EXIT
HOME_DIR=$SCRATCH/home RUN_DIR=$SCRATCH/run
mkdir -p "$HOME_DIR" "$RUN_DIR" && chmod 700 "$RUN_DIR"

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# Sets OUT, ERR and STATUS. The timeout only guards against a window waiting for a person.
run() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
        HOME="$HOME_DIR" XDG_CONFIG_HOME="$HOME_DIR/.config" XDG_RUNTIME_DIR="$RUN_DIR" \
        timeout 20 "$BIN" "$@" >"$SCRATCH/out" 2>"$SCRATCH/err"
    STATUS=$?
    OUT=$(cat "$SCRATCH/out")
    ERR=$(cat "$SCRATCH/err")
}
lines() { [ -z "$1" ] && echo 0 || printf '%s\n' "$1" | wc -l; }

for opt in --help -h; do
    run "$opt"
    [ "$STATUS" -eq 0 ] || fail "$opt: exit status $STATUS ($ERR)"
    [ -z "$ERR" ] || fail "$opt wrote to standard error: $ERR"
    grep -q -- '--version' <<<"$OUT" || fail "$opt does not list --version: $OUT"
    grep -qi 'file' <<<"$OUT" || fail "$opt does not describe the file argument: $OUT"
done

for opt in --version -v; do
    run "$opt"
    [ "$STATUS" -eq 0 ] || fail "$opt: exit status $STATUS ($ERR)"
    [ -z "$ERR" ] || fail "$opt wrote to standard error: $ERR"
    [ "$(lines "$OUT")" -eq 1 ] || fail "$opt printed more than one line: $OUT"
    grep -qi 'zorvane' <<<"$OUT" || fail "$opt does not name the program: $OUT"
    grep -qF " $VERSION" <<<"$OUT" || fail "$opt does not print version $VERSION: $OUT"
done

refused() { # the arguments, then a word the message must contain
    local word=${*: -1}
    run "${@:1:$#-1}"
    [ "$STATUS" -eq 2 ] || fail "$*: exit status $STATUS, expected 2 ($ERR)"
    [ -z "$OUT" ] || fail "$*: wrote to standard output: $OUT"
    [ "$(lines "$ERR")" -eq 1 ] || fail "$*: expected one line on standard error, got: $ERR"
    grep -q -- "$word" <<<"$ERR" || fail "$*: the message does not mention $word: $ERR"
    grep -qi 'usage' <<<"$ERR" || fail "$*: the message shows no usage: $ERR"
}
refused --bogus bogus
refused -x x
refused --help --bogus bogus
refused a.zvr b.zvr Usage

# Without a display the program itself says so in one line, and ends without a core dump.
run
[ "$STATUS" -eq 1 ] || fail "no display: exit status $STATUS, expected 1 ($ERR)"
[ "$(lines "$ERR")" -eq 1 ] || fail "no display: expected one line on standard error, got: $ERR"

left=$(find "$HOME_DIR" "$RUN_DIR" -mindepth 1)
[ -z "$left" ] || fail "files were created: $left"

[ "$failures" -eq 0 ] || exit 1
echo "ok: command line"
