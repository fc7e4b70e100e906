#!/usr/bin/env bash
# Installs what is missing, builds, generates the data and runs the whole suite twice under
# a virtual X server: once as built for the show, once under AddressSanitizer and
# UndefinedBehaviorSanitizer; then the fuzz targets briefly; then makes the .deb and the
# archive from the release build and checks them and the install; then cross-compiles the
# Windows version and runs it under Wine; last, builds the browser version and compares its
# GL layer and its frames with the native show's.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs="$(nproc)"

# Every test's scratch files go into one folder for the run instead of straight into /tmp:
# removed when the whole run passes, kept and named when it fails, for a look at what the
# failing test left behind.
scratch="$(mktemp -d "${TMPDIR:-/tmp}/quorrin-tests.XXXXXX")"
export TEST_TMPDIR="$scratch/"
keep_or_remove_scratch() {
    if [ "$1" -eq 0 ]; then
        rm -rf "$scratch"
    else
        echo "The tests' scratch files are kept in $scratch" >&2
    fi
}
trap 'keep_or_remove_scratch $?' EXIT

run_suite() {
    local dir="$1"
    shift
    cmake -S . -B "$dir" "$@" >/dev/null
    cmake --build "$dir" -j"$jobs"
    # One virtual X server, wide enough for the window at its usual place, for the whole run;
    # -noreset, or it resets whenever no test happens to be connected and turns away the
    # next one that connects during the reset. The packages and the Windows version have
    # steps of their own, below.
    xvfb-run -a -s "-screen 0 2048x1024x24 -noreset" \
        ctest --test-dir "$dir" --output-on-failure -j"$jobs" --timeout 1800 -LE 'package|windows'
}

echo "== suite: release build =="
run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORRIN_TESTS=ON
echo "== suite: AddressSanitizer + UndefinedBehaviorSanitizer =="
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
run_suite build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORRIN_SANITIZE=ON -DQUORRIN_TESTS=ON
echo "== fuzz targets: short bounded runs =="
CC=clang CXX=clang++ cmake -S tests/fuzz -B build-fuzz -DQUORRIN_PICTURES="$PWD/build/data/image" >/dev/null
cmake --build build-fuzz -j"$jobs"
ctest --test-dir build-fuzz --output-on-failure
echo "== packages: install, .deb and archive from the release build =="
xvfb-run -a -s "-screen 0 2048x1024x24 -noreset" \
    ctest --test-dir build --output-on-failure -j"$jobs" --timeout 1800 -L package
echo "Packages: $(ls build/packages/DEB/*.deb build/packages/TGZ/*.tar.gz | tr '\n' ' ')"
echo "== windows: the Windows build under Wine: the golden moments against the native show's, the whole run with its music, Esc and Ctrl-C, a missing picture, a wide screen; its zip =="
scripts/windows.sh >/dev/null
# The Linux test build runs it (its own stepped show draws the reference frames); each test
# starts its own virtual screens.
cmake -S . -B build -DQUORRIN_WINDOWS_BUILD_DIR="$PWD/build-windows" >/dev/null
cmake --build build -j"$jobs" --target quorrin_windows_tests
ctest --test-dir build --output-on-failure -j"$jobs" --timeout 1800 -L windows
(cd build-windows && cpack >/dev/null)
zip="$(ls build-windows/packages/quorrin-*-windows-x86_64.zip)"
listing="$(cmake -E tar tf "$zip")"
for entry in quorrin.exe quorrin.wav README.txt image/cube.bmp image/summer.bmp; do
    grep -qx "quorrin-[0-9.]*-windows-x86_64/$entry" <<<"$listing" || {
        echo "$zip lacks $entry" >&2
        exit 1
    }
done
echo "Windows zip: $zip"
echo "== web: the browser build, its GL layer's cases, its frames against the native show's, the running page and its zip =="
scripts/web.sh --build >/dev/null
tests/web/run.sh
