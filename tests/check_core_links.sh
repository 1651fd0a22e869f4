#!/bin/sh
# The reading core must run without the GUI libraries: a test binary that links only the core
# must not pull in Qt Gui or Qt Widgets.
set -eu
binary=$1
if ldd "$binary" | grep -E 'libQt6(Gui|Widgets)'; then
    echo "FAIL: $binary links GUI libraries" >&2
    exit 1
fi
ldd "$binary" | grep -q 'libQt6Core' || { echo "FAIL: $binary does not link Qt Core" >&2; exit 1; }
echo "ok: the reading core links Qt Core only"
