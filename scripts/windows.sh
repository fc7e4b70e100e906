#!/usr/bin/env bash
# Installs what is missing, then cross-compiles the Windows version with mingw-w64 into
# build-windows/ (the pictures and the soundtrack made by the native tools), and prints
# the folder that holds quorrin.exe beside its files. `cpack` in build-windows/ then makes
# the zip. Extra arguments go to the configure step (e.g. -DQUORRIN_TESTS=OFF).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh build windows
cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
cmake --build build-windows -j"$(nproc)" >&2
echo "$PWD/build-windows/data"
