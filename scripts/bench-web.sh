#!/usr/bin/env bash
# The browser version's speed beside the native program's at the same size: the page's load
# time to its first frame (from the site, and from the one file on the disk) and
# index.html#bench in headless Chromium (SwiftShader's software WebGL2), then
# quorrin-capture --bench (Mesa's llvmpipe) at the same size, each drawing the show's
# 4800 frames stepped at 60 fps (the native one only at scale 1). Prints figures; asserts
# nothing. Takes a few minutes.
#   scripts/bench-web.sh [WIDTHxHEIGHT [SCALE]]   (default 960x720 at 1; a phone: 390x844 3;
#                                                  after a native build and scripts/web.sh --build)
set -euo pipefail
cd "$(dirname "$0")/.."
size="${1:-960x720}"
scale="${2:-1}"
[ -f build-web/site/index.html ] || { echo "no build-web/site: run scripts/web.sh --build" >&2; exit 1; }
[ -x build/data/quorrin-capture ] || { echo "no build/data/quorrin-capture: build first" >&2; exit 1; }
npm ci --prefix tests/web --no-audit --no-fund --loglevel=error
echo "== the page, $size =="
node tests/web/bench_page.js build-web/site "${size%x*}" "${size#*x}" "$scale" build-web/quorrin.html
# The native program draws at one pixel a pixel: beside a page of scale 1 only.
if [ "$scale" != 1 ]; then
    exit 0
fi
echo "== the native program, $size =="
(cd build/data && xvfb-run -a -s "-screen 0 1280x1024x24" ./quorrin-capture --bench --size "$size" 2>&1 >/dev/null)
