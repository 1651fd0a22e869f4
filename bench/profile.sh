#!/usr/bin/env bash
# Counts the instructions of one step with callgrind and lists where they go, most first:
#   bench/profile.sh startup|proceed|print [lines]
# "startup" counts the whole run of a start to the entry form's first paint (and what runs just
# after it); "proceed" and "print" count from the click to the first paint of the window it opens.
# Instruction counts do not depend on what else the machine is doing, so two builds can be
# compared on a busy machine. The full profile is left in build-bench/callgrind.<step>.out.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
STEP=${1:-}
LINES=${2:-25}
BUILD=$ROOT/build-bench
case "$STEP" in
startup | proceed | print) ;;
*) echo "usage: bench/profile.sh startup|proceed|print [lines]" >&2; exit 2 ;;
esac
command -v valgrind >/dev/null || { echo "valgrind is not installed" >&2; exit 1; }
command -v Xvfb >/dev/null || { echo "Xvfb is not installed" >&2; exit 1; }

cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
      -DZORVANE_BENCH=ON >/dev/null
cmake --build "$BUILD" --target bench_zorvane >/dev/null ||
    { echo "the benchmark did not build" >&2; exit 1; }

scratch=$(mktemp -d)
trap 'kill "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "$scratch"' EXIT
source "$ROOT/bench/display.sh"
scratch_session "$scratch"
export QT_QPA_PLATFORM=xcb

out=$BUILD/callgrind.$STEP.out
if [ "$STEP" = startup ]; then
    valgrind --tool=callgrind --callgrind-out-file="$out" "$BUILD/bench/bench_zorvane" \
        >/dev/null 2>"$scratch/log"
else
    BENCH_PROFILE=$STEP valgrind --tool=callgrind --instr-atstart=no \
        --callgrind-out-file="$out" "$BUILD/bench/bench_zorvane" reading >/dev/null 2>"$scratch/log"
fi
# A forked helper process reports nothing; the program's own count is the one that is not 0.
grep -E "Collected : [1-9]" "$scratch/log" | sed 's/^==[0-9]*== Collected :/instructions/'
# Inclusive counts, without the event loop's own frames, each function once.
callgrind_annotate --inclusive=yes "$out" 2>/dev/null |
    grep -E '^ *[0-9,]+ \(.*\[' |
    grep -vE 'notify|EventLoop|EventDispatcher|activateTimers|QMetaObject::activate|moc_|g_main|_Function_handler|QSlotObject|QFunctorSlotObject|sendPostedEvents|sendEvent|\?\?\?:0x' |
    sed -E 's/ \[[^]]*\]$//; s#[^ ]*/(src|bench)/#\1/#' | head -n "$LINES" | cut -c1-150
