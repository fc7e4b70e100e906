#!/usr/bin/env bash
# Runs one fuzz target for as long as asked (default 10 minutes), seeded with the show's own
# pictures and the hand-made edge files:
#   scripts/fuzz.sh bitmap|music [SECONDS] [extra libFuzzer options...]
set -euo pipefail
cd "$(dirname "$0")/.."
target="${1:-bitmap}"
seconds="${2:-600}"
shift $(($# > 2 ? 2 : $#))
scripts/install-deps.sh
cmake -S . -B build >/dev/null && cmake --build build -j"$(nproc)" --target quorrin_data
CC=clang CXX=clang++ cmake -S tests/fuzz -B build-fuzz -DQUORRIN_PICTURES="$PWD/build/data/image" >/dev/null
cmake --build build-fuzz -j"$(nproc)"
case "$target" in
    bitmap) exec build-fuzz/fuzz_bitmap_decode -max_total_time="$seconds" -rss_limit_mb=2048 \
                 -print_final_stats=1 "$@" build-fuzz/corpus/bitmap build-fuzz/seeds/bitmap ;;
    music) exec build-fuzz/fuzz_music_command -max_total_time="$seconds" -max_len=200 \
                -print_final_stats=1 "$@" build-fuzz/corpus/music build-fuzz/seeds/music ;;
    *) echo "usage: $0 bitmap|music [SECONDS] [libFuzzer options...]" >&2; exit 2 ;;
esac
