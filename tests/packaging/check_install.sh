#!/usr/bin/env bash
# A plain install into a live prefix makes the reading-file type and the menu entry known at once;
# a staged install (DESTDIR) leaves the desktop's caches to whoever installs the files for real.
#   check_install.sh <build-dir> <reverse-DNS id>
set -euo pipefail
BUILD=$1
ID=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# install | DESTDIR | prefix | caches written
while read -r how destdir prefix caches; do
    [ "$destdir" = "-" ] && destdir=""
    DESTDIR=$destdir cmake --install "$BUILD" --prefix "$prefix" >"$out/$how.log" 2>&1 ||
        { cat "$out/$how.log" >&2; fail "$how install"; }
    share=$destdir$prefix/share
    [ -f "$share/mime/packages/$ID.xml" ] || fail "$how install: no file type"
    found=no
    grep -qx '[0-9]*:application/x-zorvane-reading:\*\.zvr' "$share/mime/globs2" 2>/dev/null &&
        grep -qxF "application/x-zorvane-reading=$ID.desktop;" "$share/applications/mimeinfo.cache" 2>/dev/null &&
        found=yes
    [ "$found" = "$caches" ] || fail "$how install: caches written: $found, expected $caches"
    [ "$caches" = yes ] || [ -z "$(ls "$share/mime" | grep -vx packages)" ] ||
        fail "$how install: cache files in the staging tree: $(ls "$share/mime")"
done <<ROWS
live - $out/live yes
staged $out/stage $out/staged no
ROWS
echo "ok: a live install refreshes the caches, a staged one leaves them"
