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

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 >/dev/null

QT_QPA_PLATFORM=offscreen "$build/cardart" --root "$root"
if [ -n "$sheet" ]; then
    QT_QPA_PLATFORM=offscreen "$build/cardart" --root "$root" --contact-sheet "$sheet"
    echo "contact sheet: $sheet"
fi
