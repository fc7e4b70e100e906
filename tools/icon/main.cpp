// quorrin-make-icon OUTDIR SIZE...: writes the desktop icon as
// OUTDIR/hicolor/SIZExSIZE/apps/quorrin.png for each size, laid out as the icon theme is.
#include "icon/icon.h"
#include "icon/png.h"
#include "pictures/catalog.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTDIR SIZE...\n", argv[0]);
        return 2;
    }
    try {
        const auto picture = drawPicture(iconPicture);
        for (int i = 2; i < argc; ++i) {
            const int size = std::stoi(argv[i]);
            const std::string side = std::to_string(size);
            const auto folder =
                std::filesystem::path(argv[1]) / "hicolor" / (side + "x" + side) / "apps";
            std::filesystem::create_directories(folder);
            writePngRgba(folder / "quorrin.png", size, size, makeIcon(picture, size));
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "quorrin-make-icon: %s\n", e.what());
        return 1;
    }
    return 0;
}
