#!/usr/bin/env bash
# The program's start-up, up to its entry form, against what a user's machine may hold: a folder
# where the settings lock goes, a file-size limit, no HOME at all.
#   check_start_up.sh <start_once program>
set -uo pipefail
BIN=$1
# The program runs once per user and network namespace; this run keeps out of others' way.
if [ -z "${ZV_OWN_NET:-}" ] && unshare -n true 2>/dev/null; then
    ZV_OWN_NET=1 exec unshare -n "$0" "$@"
fi
SCRATCH=$(mktemp -d)
trap 'rm -rf "$SCRATCH"' EXIT
failures=0

# starts <case> <variables and commands to start it under...>: the start must reach the entry form. The timeout only ends a
# start that hangs.
starts() {
    local out
    out=$(cd "$SCRATCH" && env -u XDG_CONFIG_HOME -u XDG_CACHE_HOME QT_QPA_PLATFORM=offscreen \
        "${@:2}" timeout 20 "$BIN" 2>"$SCRATCH/err")
    local status=$?
    [ "$status" -eq 0 ] && [ "$out" = shown ] ||
        { echo "FAIL: $1: status $status, $(cat "$SCRATCH/err")" >&2; failures=$((failures + 1)); }
}

mkdir -p "$SCRATCH/locked/.config/zorvane/zorvane.conf.lock"
starts "a folder where the settings lock goes" HOME="$SCRATCH/locked"
starts "a file-size limit of 10 bytes" HOME="$SCRATCH/limited" prlimit --fsize=10

# Qt would put the user's folders at the root of the file system.
fresh=$(for d in /.cache /.config; do [ -e "$d" ] || echo "$d"; done)
starts "no HOME" env -u HOME
for d in $fresh; do
    [ -e "$d" ] && { echo "FAIL: no HOME: $d was created" >&2; failures=$((failures + 1)); rm -rf "$d"; }
done

[ "$failures" -eq 0 ] || exit 1
echo "ok: start-up"
