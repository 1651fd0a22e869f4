#!/usr/bin/env bash
# Builds the .deb and checks what a Debian 12 desktop needs from it: dependencies found from the
# linked libraries, the program in bin/, a valid menu entry that opens .zvr files, the MIME type
# and the icons.
#   check_deb.sh <build-dir>
set -euo pipefail
BUILD=$(cd "$1" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

cpack --config "$BUILD/CPackConfig.cmake" -G DEB -B "$out" >/dev/null
deb=$(ls "$out"/zorvane_*.deb)
fail() { echo "FAIL: $*" >&2; exit 1; }

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libc6; do
    grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib: $depends"
done

dpkg-deb -x "$deb" "$out/root"
root=$out/root/usr
[ -x "$root/bin/zorvane" ] || fail "no usr/bin/zorvane"
entry=$root/share/applications/com.example.Zorvane.desktop
desktop-file-validate "$entry" || fail "the menu entry does not validate"
grep -q '^Exec=zorvane %f$' "$entry" || fail "the entry does not pass the file"
grep -q '^MimeType=application/x-zorvane-reading;$' "$entry" || fail "the entry does not declare the zvr type"
grep -q '<glob pattern="\*.zvr"/>' "$root/share/mime/packages/com.example.Zorvane.xml" || fail "no *.zvr glob"
grep -q '<comment>Zorvane reading</comment>' "$root/share/mime/packages/com.example.Zorvane.xml" || fail "no comment"
for size in 16 32 48 64 128 256; do
    icon=$root/share/icons/hicolor/${size}x${size}/apps/com.example.Zorvane.png
    [ -f "$icon" ] || fail "no ${size}x${size} icon"
    [ "$(identify -format '%wx%h' "$icon")" = "${size}x${size}" ] || fail "the ${size} icon has the wrong size"
done
[ -f "$root/share/icons/hicolor/scalable/apps/com.example.Zorvane.svg" ] || fail "no scalable icon"
echo "ok: $(basename "$deb") ($depends)"
