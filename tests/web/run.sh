#!/usr/bin/env bash
# The browser build's tests: the GL layer's own cases and the show's frames, each against the
# native GL (Mesa under a virtual X server). Needs the browser build (scripts/web.sh --build)
# and the release build's capture tool (build/data/quorrin-capture). puppeteer-core comes
# from the npm registry at the version in package-lock.json; it drives Debian's headless
# Chromium and downloads no browser.
set -euo pipefail
cd "$(dirname "$0")/../.."
npm ci --prefix tests/web --no-audit --no-fund --loglevel=error
c++ -std=c++20 -O2 -Wall -Wextra -DGL_GLEXT_PROTOTYPES -o build-web/layer-cases-native \
    tests/web/layer_cases.cpp tests/web/layer_cases_native.cpp -lglut -lGLU -lGL
xvfb="xvfb-run -a -s -noreset"
$xvfb build-web/layer-cases-native build-web/layer-cases-native.ppm
node tests/web/test_layer_cases.js build-web/layer-cases build-web/layer-cases-native.ppm
$xvfb node tests/web/test_frames.js build-web/site build/data/quorrin-capture build-web/frames
