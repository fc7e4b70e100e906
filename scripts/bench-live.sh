#!/usr/bin/env bash
# The live show's frame rate per scene, counted from its progress lines (one per frame; scene
# 4 prints none, so it has no figure), on a virtual X server of a given size, full screen or
# in its 800x600 window. Each run takes the show's 80 seconds. Prints figures; asserts nothing.
#   scripts/bench-live.sh [WIDTHxHEIGHT] [full|window] [RUNS] [DATA_FOLDER]
# (defaults: 1920x1080, full, 2 runs, build/data after a build). To compare a wide screen
# with a window of the picture's own size, run it at 1920x1080 and at 1440x1080.
set -euo pipefail
cd "$(dirname "$0")/.."
size="${1:-1920x1080}"
mode="${2:-full}"
runs="${3:-2}"
data="$(cd "${4:-build/data}" && pwd)"
[ -x "$data/quorrin" ] || { echo "no quorrin in $data: build first" >&2; exit 1; }
case "$mode" in
    full) arguments=() ;;
    window) arguments=(-w) ;;
    *) echo "usage: $0 [WIDTHxHEIGHT] [full|window] [RUNS] [DATA_FOLDER]" >&2; exit 2 ;;
esac
work="$(mktemp -d)"
trap 'kill "$server" 2>/dev/null || true; rm -rf "$work"' EXIT
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 2>/dev/null &
server=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -1 "$work/display")"

echo "quorrin in $data, $size $mode, $(nproc) cores; frames per second:"
printf '%-8s %8s %8s %8s %8s\n' run "scene 1" "scene 2" "scene 3" "scene 5"
for run in $(seq "$runs"); do
    (cd "$data" && ./quorrin "${arguments[@]}" >"$work/lines")
    # A progress value lower than the one before starts the next printing scene.
    awk -v run="$run" '
        BEGIN { split("16.6 16.7 16.9 15.8", seconds, " "); scene = 0 }
        { if (NR > 1 && $1 < previous) scene++; frames[scene]++; previous = $1 }
        END { printf "%-8s", run
              for (s = 0; s < 4; s++) printf " %8.1f", frames[s] / seconds[s + 1]
              printf "\n" }' "$work/lines"
done
