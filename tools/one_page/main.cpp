// quorrin-one-page OUTPUT SITE_DIR FILE... [--if-present FILE...]: writes the site's
// index.html as one file (one_page.h), with its style sheet and scripts in it and the FILEs of
// SITE_DIR carried inside; a FILE after --if-present only where the site has it. The same
// site always makes the same bytes, and an unchanged file is left as it was.
#include "one_page/one_page.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

static std::string readWhole(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    return {std::istreambuf_iterator<char>(in), {}};
}

static void writeIfChanged(const std::filesystem::path& path, const std::string& text) {
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error) && readWhole(path) == text) return;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out.flush()) throw std::runtime_error("cannot write " + path.string());
}

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT SITE_DIR FILE... [--if-present FILE...]\n", argv[0]);
        return 2;
    }
    try {
        const std::filesystem::path site = argv[2];
        std::vector<CarriedFile> files;
        bool ifPresent = false;
        for (int i = 3; i < argc; ++i) {
            const std::string name = argv[i];
            if (name == "--if-present") {
                ifPresent = true;
                continue;
            }
            if (ifPresent && !std::filesystem::exists(site / name)) continue;
            files.push_back({name, readWhole(site / name)});
        }
        const auto readFile = [&](const std::string& name) { return readWhole(site / name); };
        writeIfChanged(argv[1], makeOnePage(readWhole(site / "index.html"), readFile, files));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "quorrin-one-page: %s\n", e.what());
        return 1;
    }
    return 0;
}
