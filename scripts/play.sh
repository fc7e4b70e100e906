#!/usr/bin/env bash
# Installs what is missing, builds, and plays the show. Arguments go to the show
# ("-w" for a window, "-v" for 640x480). Without a display there is no one to watch it
# live: the show is rendered frame by frame, with its music, to build/quorrin.mp4
# (1280x720, 60 fps, the 4:3 picture between black bars) under a virtual X server instead;
# arguments starting with "--" then go to quorrin-capture (for example --size 1440x1080 for
# 4:3 without bars, or --preset medium).
set -euo pipefail
cd "$(dirname "$0")/.."
# Only what it needs: a machine without a display also needs the virtual X server and ffmpeg
# to render the show to a video.
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    scripts/install-deps.sh build
else
    scripts/install-deps.sh build headless
fi
# Without the test suite, which needs GoogleTest: scripts/test.sh turns it back on.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORRIN_TESTS=OFF >/dev/null
cmake --build build -j"$(nproc)" --target quorrin quorrin-capture quorrin_data
cd build/data
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec ./quorrin "$@"
fi
video="$(cd .. && pwd)/quorrin.mp4"
options=()
for argument in "$@"; do
    case "$argument" in --*) options+=("$argument") ;; esac
done
echo "No display found: rendering the show to $video under a virtual X server." >&2
# The show's own progress lines (standard output) would bury the capture's progress.
xvfb-run -a -s "-screen 0 1280x1024x24" \
    ./quorrin-capture --mp4 "$video" --size 1280x720 --fps 60 "${options[@]}" >/dev/null
echo "The show, with its music, is in $video" >&2
