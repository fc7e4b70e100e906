// quorrin-make-music OUTFILE.wav: synthesizes the show's soundtrack.
#include "music/soundtrack.h"
#include "music/wav.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTFILE.wav\n", argv[0]);
        return 2;
    }
    try {
        const auto samples = renderSoundtrack();
        writeFile(argv[1], encodeWav(samples, channelCount, sampleRate));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "quorrin-make-music: %s\n", e.what());
        return 1;
    }
    return 0;
}
