#!/usr/bin/env bash
# The browser build's tests: the GL layer's own cases and the show's frames, each against the
# native GL (Mesa under a virtual X server); the running page (its end, keys and music, size
# and requests); the player (its controls, what browsers do to pages, the one file from the
# disk); a lost WebGL context that comes back; the one file's size; and the zip, which holds
# the one file beside the site and nothing else. Needs the browser build (scripts/web.sh
# --build) and, from the release build with its tests (build/, as scripts/test.sh makes it),
# the capture tool and the layer cases' native half. puppeteer-core comes from the npm
# registry at the version in package-lock.json; it drives Debian's headless Chromium and
# downloads no browser.
set -euo pipefail
cd "$(dirname "$0")/../.."
native_cases=build/tests/web/layer-cases-native
for program in build/data/quorrin-capture "$native_cases"; do
    if [ ! -x "$program" ]; then
        echo "FAIL $program is missing: make the release build first" \
            "(cmake -S . -B build -DQUORRIN_TESTS=ON && cmake --build build)" >&2
        exit 1
    fi
done
npm ci --prefix tests/web --no-audit --no-fund --loglevel=error
xvfb="xvfb-run -a -s -noreset"
$xvfb "$native_cases" build-web/layer-cases-native.ppm
node tests/web/test_layer_cases.js build-web/layer-cases build-web/layer-cases-native.ppm
$xvfb node tests/web/test_frames.js build-web/site build/data/quorrin-capture build-web/frames
node tests/web/test_page.js build-web/site
node tests/web/test_context_loss.js build-web/site
node tests/web/test_player.js build-web/site build-web/quorrin.html
one_file_bytes="$(stat -c %s build-web/quorrin.html)"
if [ "$one_file_bytes" -gt $((3 * 1024 * 1024)) ]; then
    echo "FAIL build-web/quorrin.html is $one_file_bytes bytes, over 3 MB" >&2
    exit 1
fi
echo "ok   build-web/quorrin.html is $one_file_bytes bytes"
(cd build-web && cpack >/dev/null)
zip="build-web/packages/quorrin-$(sed -n 's/^project(quorrin VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)-web.zip"
listed="$(cmake -E tar tf "$zip" | grep -v '/$' | sed 's|^[^/]*/||' | sort)"
present="$( (echo quorrin.html; cd build-web/site && find . -type f | sed 's|^\./|site/|') | sort)"
if [ "$listed" != "$present" ]; then
    echo "FAIL $zip does not hold exactly the one file and the site:" >&2
    diff <(echo "$listed") <(echo "$present") >&2 || true
    exit 1
fi
echo "ok   $zip holds quorrin.html and the site's $(($(echo "$listed" | wc -l) - 1)) files ($(stat -c %s "$zip") bytes)"
