#!/usr/bin/env bash
# Installs what is missing, builds the show for the browser (emscripten, into build-web/),
# and serves the static site in build-web/site/ on 127.0.0.1 at the first free port from
# 8000, printing its address. With --build it only builds, and prints the site's folder.
# Open index.html#t=MS&paused for the frame at MS milliseconds, held still.
set -euo pipefail
cd "$(dirname "$0")/.."
case "${1:-}" in
--build) build_only=true ;;
"") build_only=false ;;
*)
    echo "usage: scripts/web.sh [--build]" >&2
    exit 2
    ;;
esac
# The build talks on standard error: standard output carries only the folder or address.
scripts/install-deps.sh build web >&2
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-web -j"$(nproc)" >&2
site="$PWD/build-web/site"
if $build_only; then
    echo "$site"
    exit 0
fi
port=8000
# A port something answers on is taken.
while (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; do
    port=$((port + 1))
done
echo "The show: http://127.0.0.1:$port/index.html   (Ctrl-C stops serving)"
exec python3 -m http.server --bind 127.0.0.1 --directory "$site" "$port" >/dev/null 2>&1
