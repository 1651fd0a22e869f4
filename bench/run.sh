#!/usr/bin/env bash
# Measures Zorvane against the floor any Qt Widgets program pays, in one run, side by side:
# start-up to first paint (median of repeated launches), Proceed to the display's first paint
# and Print to the report's first paint (in-process), peak resident memory, and the memory that
# 99 more readings (Proceed and Back) keep beyond the first. Proceed is also set against plain Qt
# showing a maximized window of as many labels, text panels and pictures as the display.
#   bench/run.sh [runs]
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
RUNS=${1:-15}
BUILD=$ROOT/build-bench

cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
      -DZORVANE_BENCH=ON >/dev/null
cmake --build "$BUILD" -j"$(nproc)" --target bench_bare_qt bench_zorvane bench_plain_window >/dev/null ||
    { echo "the benchmark did not build" >&2; exit 1; }

scratch=$(mktemp -d)
trap 'kill "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "$scratch"' EXIT
source "$ROOT/bench/display.sh"
# A real X server where there is one to be had, so that start-up includes connecting to it.
if scratch_session "$scratch"; then
    export QT_QPA_PLATFORM=xcb
    platform="Xvfb (xcb)"
else
    export QT_QPA_PLATFORM=offscreen
    platform="offscreen"
fi

median() { sort -g | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
# The lowest and highest of the values on stdin, divided by $1: "low-high".
spread() { sort -g | awk -v d="$1" 'NR==1 {lo=$1} {hi=$1} END {printf "%.2f-%.2f", lo/d, hi/d}'; }

# Launches a program and prints the milliseconds from launch to its first paint.
launch_ms() {
    BENCH_LAUNCH_NS=$(date +%s%N) "$@" | awk '/^first_paint_ms/ {print $2}'
}

# Warm the caches once, then measure.
"$BUILD/bench/bench_bare_qt" >/dev/null; "$BUILD/bench/bench_zorvane" >/dev/null
floor_starts=(); zorvane_starts=()
for _ in $(seq "$RUNS"); do
    floor_starts+=("$(launch_ms "$BUILD/bench/bench_bare_qt")")
    zorvane_starts+=("$(launch_ms "$BUILD/bench/bench_zorvane")")
done
floor_start=$(printf '%s\n' "${floor_starts[@]}" | median)
zorvane_start=$(printf '%s\n' "${zorvane_starts[@]}" | median)

proceed=(); print=(); zorvane_rss=(); floor_rss=()
for _ in $(seq "$RUNS"); do
    out=$(BENCH_REPORT_MEMORY=1 "$BUILD/bench/bench_zorvane" reading)
    proceed+=("$(awk '/^proceed_ms/ {print $2}' <<<"$out")")
    print+=("$(awk '/^print_ms/ {print $2}' <<<"$out")")
    zorvane_rss+=("$(awk '/^peak_rss_kib/ {print $2}' <<<"$out")")
    floor_rss+=("$(BENCH_REPORT_MEMORY=1 "$BUILD/bench/bench_bare_qt" | awk '{print $2}')")
done
proceed_ms=$(printf '%s\n' "${proceed[@]}" | median)
print_ms=$(printf '%s\n' "${print[@]}" | median)
zrss=$(printf '%s\n' "${zorvane_rss[@]}" | median)
frss=$(printf '%s\n' "${floor_rss[@]}" | median)

# The display's widgets, beside the tabs and on each tab page, built again in plain Qt.
read -ra census <<<"$("$BUILD/bench/bench_zorvane" census)"
plain=()
for _ in $(seq "$RUNS"); do
    plain+=("$("$BUILD/bench/bench_plain_window" "${census[@]}" | awk '/^window_ms/ {print $2}')")
done
plain_ms=$(printf '%s\n' "${plain[@]}" | median)

readings=$("$BUILD/bench/bench_zorvane" readings)
kept=$(awk '/^growth_kib/ {print $2}' <<<"$readings")

ratio() { echo "scale=2; $1 / $2" | bc; }
row() { printf '%-40s %10s %10s %7s %11s %7s\n' "$@"; }
printf '\nZorvane against a bare Qt Widgets program: median of %d runs, %s\n\n' "$RUNS" "$platform"
row "measure" "bare Qt" "Zorvane" "ratio" "spread" "goal"
row "launch to first paint (ms)" "$floor_start" "$zorvane_start" \
    "$(ratio "$zorvane_start" "$floor_start")" \
    "$(printf '%s\n' "${zorvane_starts[@]}" | spread "$floor_start")" "<= 1.10"
row "Proceed to display's first paint (ms)" "-" "$proceed_ms" \
    "$(ratio "$proceed_ms" "$floor_start")" \
    "$(printf '%s\n' "${proceed[@]}" | spread "$floor_start")" "<= 0.25"
row "Proceed against plain Qt's window (ms)" "$plain_ms" "$proceed_ms" \
    "$(ratio "$proceed_ms" "$plain_ms")" \
    "$(printf '%s\n' "${proceed[@]}" | spread "$plain_ms")" "<= 1.00"
row "Print to report's first paint (ms)" "-" "$print_ms" \
    "$(ratio "$print_ms" "$floor_start")" \
    "$(printf '%s\n' "${print[@]}" | spread "$floor_start")" "<= 0.25"
row "peak resident memory (KiB)" "$frss" "$zrss" "$(ratio "$zrss" "$frss")" \
    "$(printf '%s\n' "${zorvane_rss[@]}" | spread "$frss")" "<= 1.35"
row "memory kept by readings 2-100 (KiB)" "-" "$kept" "-" "-" "<= 1024"
echo
echo "Proceed and Print are compared with the bare program's median start-up; the spread is the"
echo "lowest and highest run against the same median. The second Proceed row sets it against plain"
echo "Qt building and showing a maximized window of the display's labels, text panels and pictures"
echo "(beside the tabs and per tab page: ${census[*]})."
