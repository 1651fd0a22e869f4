#!/usr/bin/env bash
# Builds the .deb and checks what a Debian 12 desktop needs from it: dependencies found from the
# linked libraries and the layout's font, the program in bin/ built with Debian's hardening and
# no search path of its own, a valid menu entry that opens .zvr files, the MIME type, the icons,
# the compressed manual, the software-centre entry with its licence, and no error and no
# hardening tag from lintian.
#   check_deb.sh <build-dir> <reverse-DNS id> fortify|nofortify
# The last says whether the build checks libc calls, as the build itself decides.
set -euo pipefail
BUILD=$(cd "$1" && pwd)
ID=$2
FORTIFY=$3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

cpack --config "$BUILD/CPackConfig.cmake" -G DEB -B "$out" >/dev/null
deb=$(ls "$out"/zorvane_*.deb)
fail() { echo "FAIL: $*" >&2; exit 1; }

# Lintian takes longest: it reads the package while the other checks look at its contents.
lintian --no-cfg --info --display-info --pedantic --tag-display-limit 0 "$deb" >"$out/lintian.txt" 2>&1 &
lintian_pid=$!
trap 'kill "$lintian_pid" 2>/dev/null || true; wait "$lintian_pid" 2>/dev/null || true; rm -rf "$out"' EXIT

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 liberfa1 libc6 fonts-dejavu-core; do
    grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
grep -qw 'qt6-wayland' <<<"$recommends" || fail "Recommends lacks the Wayland plugin: $recommends"
grep -qw 'qt6-wayland' <<<"$depends" && fail "the Wayland plugin must not be required"

dpkg-deb -x "$deb" "$out/root"
root=$out/root/usr
[ -x "$root/bin/zorvane" ] || fail "no usr/bin/zorvane"
# The control-flow line cannot pass on Debian 12 whatever the flags: its C start files carry no
# control-flow marks, so the linker drops those of the program's own code.
# Checked C library calls come with optimization, so a debug or sanitizer build is excused.
skip=(--nocfprotection)
[ "$FORTIFY" = fortify ] || skip+=(--nofortify)
hardening-check "${skip[@]}" "$root/bin/zorvane" >"$out/hardening.txt" ||
    { cat "$out/hardening.txt" >&2; fail "the program lacks some of Debian's hardening"; }
readelf -d "$root/bin/zorvane" | grep -E 'R(UN)?PATH' && fail "the program carries a library search path"
entry=$root/share/applications/$ID.desktop
desktop-file-validate "$entry" || fail "the menu entry does not validate"
grep -q '^Exec=zorvane %f$' "$entry" || fail "the entry does not pass the file"
grep -q '^MimeType=application/x-zorvane-reading;$' "$entry" || fail "the entry does not declare the zvr type"
grep -q '<glob pattern="\*.zvr"/>' "$root/share/mime/packages/$ID.xml" || fail "no *.zvr glob"
grep -q '<comment>Zorvane reading</comment>' "$root/share/mime/packages/$ID.xml" || fail "no comment"
sizes=(16 32 48 64 128 256)
icons=()
for size in "${sizes[@]}"; do
    icon=$root/share/icons/hicolor/${size}x${size}/apps/$ID.png
    [ -f "$icon" ] || fail "no ${size}x${size} icon"
    icons+=("$icon")
done
# One call for all the icons, one size a line in the same order.
mapfile -t found < <(identify -format '%wx%h\n' "${icons[@]}")
for i in "${!sizes[@]}"; do
    size=${sizes[$i]}
    [ "${found[$i]:-}" = "${size}x${size}" ] || fail "the ${size} icon has the wrong size"
done
[ -f "$root/share/icons/hicolor/scalable/apps/$ID.svg" ] || fail "no scalable icon"
man=$root/share/man/man1/zorvane.1.gz
[ -f "$man" ] || fail "no compressed manual page"
gzip -t "$man" || fail "the manual page is not a valid gzip file"
man -l "$man" 2>/dev/null | grep -q -- '--version' || fail "the manual page does not render or lacks --version"
metainfo=$root/share/metainfo/$ID.metainfo.xml
[ -f "$metainfo" ] || fail "no metainfo"
grep -q "<launchable type=\"desktop-id\">$ID.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch the menu entry"
grep -q '<project_license>LicenseRef-proprietary</project_license>' "$metainfo" ||
    fail "the metainfo does not give the licence"

# Errors fail the package; warnings are shown for the record.
wait "$lintian_pid" || true
lintian_out=$(cat "$out/lintian.txt")
[ -z "$lintian_out" ] || echo "$lintian_out"
grep -q '^E: ' <<<"$lintian_out" && fail "lintian reports errors"
grep -q ' hardening-' <<<"$lintian_out" && fail "lintian finds the hardening incomplete"
echo "ok: $(basename "$deb") ($depends; recommends $recommends)"
