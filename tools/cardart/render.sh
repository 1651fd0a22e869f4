#!/bin/sh
# Remakes content/cards/*.jpg and content/icons/zorvane-*.png from their SVGs.
#   tools/cardart/render.sh                          render everything
#   tools/cardart/render.sh --contact-sheet out.png  render, then draw the deck on one sheet
# The SVGs are the sources; make_svgs.py only writes fresh ones when the
# shared frame or a drawing changes, so it is not run from here.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${CARDART_BUILD_DIR:-$root/build-art}

sheet=
while [ $# -gt 0 ]; do
    case $1 in
        --contact-sheet) [ $# -ge 2 ] || { echo "render.sh: --contact-sheet needs a file" >&2; exit 2; }
                         sheet=$2; shift 2 ;;
        *) echo "usage: render.sh [--contact-sheet out.png]" >&2; exit 2 ;;
    esac
done
case $sheet in ''|/*) ;; *) sheet=$(pwd)/$sheet ;; esac

# The renderer needs Qt Svg, and the card titles and numerals are set in Nimbus Sans Narrow and
# P052 from the URW base fonts; without them the pictures would silently fall back to other faces.
missing=
for p in qt6-svg-dev fonts-urw-base35 cmake ninja-build g++; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    sudo=; [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $missing >/dev/null
fi
for family in "Nimbus Sans Narrow" P052; do
    fc-list "$family" | grep -q . || { echo "render.sh: the font $family is not installed" >&2; exit 1; }
done

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 >/dev/null

QT_QPA_PLATFORM=offscreen "$build/cardart" --root "$root"
if [ -n "$sheet" ]; then
    QT_QPA_PLATFORM=offscreen "$build/cardart" --root "$root" --contact-sheet "$sheet"
    echo "contact sheet: $sheet"
fi
