#!/usr/bin/env bash
# Start-up reaches the entry form despite a folder where the settings lock goes, a 10-byte
# file-size limit or no HOME, and then leaves the root of the file system alone.
#   check_start_up.sh <start_once program>
set -uo pipefail
source "$(dirname "$0")/../e2e/steps.sh"
own_network "$0" "$@"
BIN=$1 SCRATCH=$(mktemp -d) failures=0
trap 'rm -rf "$SCRATCH"' EXIT
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# starts <case> <variables and commands to start under>; the timeout only ends a hung start.
starts() {
    local out
    out=$(cd "$SCRATCH" && env -u XDG_CONFIG_HOME -u XDG_CACHE_HOME QT_QPA_PLATFORM=offscreen \
        "${@:2}" timeout 20 "$BIN" 2>"$SCRATCH/err")
    [ "$out" = shown ] || fail "$1: $(cat "$SCRATCH/err")"
}
mkdir -p "$SCRATCH/locked/.config/zorvane/zorvane.conf.lock"
starts "a folder where the settings lock goes" HOME="$SCRATCH/locked"
starts "a file-size limit of 10 bytes" HOME="$SCRATCH/limited" prlimit --fsize=10
fresh=$(for d in /.cache /.config; do [ -e "$d" ] || echo "$d"; done)
starts "no HOME" env -u HOME
for d in $fresh; do [ -e "$d" ] && fail "no HOME: $d was created" && rm -rf "$d"; done

[ "$failures" -eq 0 ] || exit 1
echo "ok: start-up"
