#!/usr/bin/env bash
# Times a newcomer's first start: clones the repository afresh, runs its ./run.sh under Xvfb and
# reports the seconds until the entry form shows. Packages are taken as installed already, and no
# compiler cache is used, so the time is the configure and the build a fresh clone pays.
#   bench/fresh_clone.sh [revision]     (default HEAD)
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
REV=${1:-HEAD}
scratch=$(mktemp -d)
trap 'kill "${run_pid:-}" 2>/dev/null || true; kill "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "$scratch"' EXIT

git clone -q "$ROOT" "$scratch/clone"
git -C "$scratch/clone" checkout -q "$REV"
source "$ROOT/bench/display.sh"
scratch_session "$scratch" || { echo "Xvfb is not installed" >&2; exit 1; }
unset CMAKE_CXX_COMPILER_LAUNCHER CMAKE_GENERATOR

echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
start=$(date +%s%N)
(cd "$scratch/clone" && exec ./run.sh) >"$scratch/run.log" 2>&1 &
run_pid=$!
until xdotool search --onlyvisible --name '^Zorvane v' >/dev/null 2>&1; do
    kill -0 "$run_pid" 2>/dev/null || { cat "$scratch/run.log" >&2; echo "run.sh ended first" >&2; exit 1; }
    sleep 0.2
done
end=$(date +%s%N)
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
printf 'fresh clone of %s: entry form after %.1f s\n' "$REV" "$(echo "($end - $start) / 1000000000" | bc -l)"
