#!/usr/bin/env bash
# How long the capture takes to reach a moment: a still near the end at full HD, and the
# default storyboard, each timed from process start to finished file, three runs each, under
# one virtual X server started beforehand. Prints figures; asserts nothing.
#   scripts/bench-moments.sh [DATA_FOLDER]     (default: build/data, after a build)
set -euo pipefail
cd "$(dirname "$0")/.."
data="$(cd "${1:-build/data}" && pwd)"
[ -x "$data/quorrin-capture" ] || { echo "no quorrin-capture in $data: build first" >&2; exit 1; }
work="$(mktemp -d)"
trap 'kill "$server" 2>/dev/null || true; rm -rf "$work"' EXIT
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 2>/dev/null &
server=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -1 "$work/display")"

measure() {
    local what="$1"
    shift
    local times=()
    for run in 1 2 3; do
        local start end
        start=$(date +%s.%N)
        (cd "$data" && ./quorrin-capture "$@" >/dev/null 2>"$work/err") ||
            { cat "$work/err" >&2; exit 1; }
        end=$(date +%s.%N)
        times+=("$(awk "BEGIN { print $end - $start }")")
    done
    printf '%-52s %8.2f s %8.2f s %8.2f s\n' "$what" "${times[@]}"
}

echo "quorrin-capture in $data, $(nproc) cores; wall seconds, three runs:"
measure "still at 79000 ms, 1920x1080 (--png)" --png "$work/stills" --still 79000 --size 1920x1080
measure "still at 79000 ms, 320x240 (--png)" --png "$work/stills" --still 79000 --size 320x240
measure "default storyboard, 12 tiles of 320x240" --storyboard "$work/board.png"
