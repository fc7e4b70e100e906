// Packs files into one gzip stream for the browser version of the show, which fetches its
// pictures as one small download and unpacks them itself:
//   quorrin-pack-files OUTPUT NAME=FILE...
// Each file is stored as its NAME, a newline, its size in decimal, a newline and its bytes.
// The same files always make the same bytes (gzip's header carries no time).
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>
#include <zlib.h>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT NAME=FILE...\n", argv[0]);
        return 2;
    }
    std::string packed;
    for (int i = 2; i < argc; ++i) {
        const std::string argument = argv[i];
        const std::size_t equals = argument.find('=');
        std::ifstream in(argument.substr(equals + 1), std::ios::binary);
        if (equals == std::string::npos || !in) {
            std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argument.c_str());
            return 1;
        }
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        packed += argument.substr(0, equals) + "\n" + std::to_string(bytes.size()) + "\n" + bytes;
    }
    gzFile out = gzopen(argv[1], "wb9");
    const bool written =
        out != nullptr && gzwrite(out, packed.data(), static_cast<unsigned>(packed.size())) ==
                              static_cast<int>(packed.size());
    if (out == nullptr || gzclose(out) != Z_OK || !written) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
