// quorrin-make-pictures OUTDIR: writes every picture of the show to OUTDIR/image/.
#include "pictures/catalog.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    try {
        writePictures(argv[1]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "quorrin-make-pictures: %s\n", e.what());
        return 1;
    }
    return 0;
}
