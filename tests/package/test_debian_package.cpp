// The .deb that cpack -G DEB made from this build: what it holds, what it depends on, and
// what lintian says of it.
#include "package_test_support.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iostream>
#include <map>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

static std::string trimmed(const std::string& text) {
    const auto begin = text.find_first_not_of(" \t\n");
    const auto end = text.find_last_not_of(" \t\n");
    return begin == std::string::npos ? std::string() : text.substr(begin, end - begin + 1);
}

static std::string debianArchitecture() {
    return trimmed(runTool({"dpkg", "--print-architecture"}).out);
}

// The one package in cpack's output folder, named as Debian names packages.
static std::string debFile() {
    const std::string name =
        std::string("quorrin_") + QUORRIN_VERSION + "_" + debianArchitecture() + ".deb";
    const std::vector<std::string> made = folderEntries(QUORRIN_DEB_DIR);
    const auto debs = std::count_if(made.begin(), made.end(), [](const std::string& file) {
        return file.size() > 4 && file.substr(file.size() - 4) == ".deb";
    });
    EXPECT_EQ(debs, 1) << "cpack -G DEB should make one package";
    EXPECT_NE(std::find(made.begin(), made.end(), name), made.end()) << "no " << name;
    return std::string(QUORRIN_DEB_DIR "/") + name;
}

// dpkg-deb --contents: path (without the leading ".") to its mode and owner columns.
static std::map<std::string, std::string> contents(const std::string& deb) {
    std::map<std::string, std::string> entries;
    std::stringstream listing(runTool({"dpkg-deb", "--contents", deb}).out);
    std::string line;
    while (std::getline(listing, line)) {
        std::stringstream columns(line);
        std::string mode, owner, size, day, time, path;
        if (!(columns >> mode >> owner >> size >> day >> time >> path)) continue;
        if (path.size() > 1 && path.back() == '/') path.pop_back();
        entries[path.substr(1)] = mode + " " + owner;
    }
    return entries;
}

static std::string field(const std::string& deb, const std::string& name) {
    return trimmed(runTool({"dpkg-deb", "--field", deb, name}).out);
}

// "a (>= 1), b | c" to {a, b, c}.
static std::set<std::string> packagesNamed(const std::string& relation) {
    std::set<std::string> names;
    std::string item;
    std::stringstream alternatives(relation);
    while (std::getline(alternatives, item, ',')) {
        std::stringstream choices(item);
        std::string choice;
        while (std::getline(choices, choice, '|')) {
            std::stringstream words(choice);
            std::string name;
            if (words >> name) names.insert(name);
        }
    }
    return names;
}

static std::string valueOf(const std::string& entryText, const std::string& key) {
    std::stringstream lines(entryText);
    std::string line;
    while (std::getline(lines, line))
        if (line.rfind(key + "=", 0) == 0) return line.substr(key.size() + 1);
    return {};
}

TEST(DebianPackage, HoldsTheProgramsPicturesSoundtrackDesktopEntryAndIcons) {
    const std::string deb = debFile();
    const std::map<std::string, std::string> files = contents(deb);
    ASSERT_FALSE(files.empty()) << "dpkg-deb cannot read " << deb;
    for (const auto& [path, modeAndOwner] : files)
        EXPECT_EQ(modeAndOwner.substr(modeAndOwner.find(' ') + 1), "root/root") << path;

    for (const char* program :
         {"/usr/games/quorrin", "/usr/games/quorrin-capture", "/usr/lib/games/quorrin/quorrin",
          "/usr/lib/games/quorrin/quorrin-capture"}) {
        ASSERT_TRUE(files.count(program)) << program;
        EXPECT_EQ(files.at(program).substr(0, 10), "-rwxr-xr-x") << program;
    }
    const std::string data = "/usr/share/games/quorrin";
    std::set<std::string> pictures, expected;
    for (const auto& [path, modeAndOwner] : files)
        if (path.rfind(data + "/image/", 0) == 0) pictures.insert(path.substr(data.size() + 7));
    for (const std::string& name : builtPictureNames())
        expected.insert(name + ".bmp");
    EXPECT_EQ(expected.size(), 29u);
    EXPECT_EQ(pictures, expected);
    EXPECT_TRUE(files.count(data + "/quorrin.wav"));
    for (const char* document :
         {"/usr/share/applications/quorrin.desktop", "/usr/share/doc/quorrin/copyright",
          "/usr/share/doc/quorrin/changelog.gz", "/usr/share/man/man6/quorrin.6.gz",
          "/usr/share/man/man6/quorrin-capture.6.gz"})
        EXPECT_TRUE(files.count(document)) << document;

    // Unpacked: the desktop entry is valid and names a launcher and an icon the package
    // has; every icon is a PNG of the size its folder says.
    TempFolder unpacked("deb");
    ASSERT_EQ(runTool({"dpkg-deb", "--extract", deb, unpacked.path}).exitCode, 0);
    const std::string entry = unpacked.path + "/usr/share/applications/quorrin.desktop";
    const ProcessResult validated = runTool({"desktop-file-validate", entry});
    EXPECT_EQ(validated.exitCode, 0);
    EXPECT_EQ(validated.out + validated.err, "");
    std::stringstream entryText;
    entryText << std::ifstream(entry).rdbuf();
    EXPECT_TRUE(files.count("/usr/games/" + valueOf(entryText.str(), "Exec")));
    EXPECT_NE(valueOf(entryText.str(), "Categories").find("Game;"), std::string::npos);
    const std::string iconName = valueOf(entryText.str(), "Icon");
    int icons = 0;
    for (const auto& [path, modeAndOwner] : files) {
        if (path.rfind("/usr/share/icons/hicolor/", 0) != 0 || modeAndOwner[0] != '-') continue;
        ++icons;
        const fs::path icon(path);
        EXPECT_EQ(icon.filename().string(), iconName + ".png") << path;
        const std::string folder = icon.parent_path().parent_path().filename().string();
        const PngSize size = readPngSize(unpacked.path + path);
        EXPECT_EQ(folder, std::to_string(size.width) + "x" + std::to_string(size.height)) << path;
    }
    EXPECT_GE(icons, 1);

    // The unpacked launcher finds its program by its own place.
    const ProcessResult version =
        runProcess({unpacked.path + "/usr/games/quorrin-capture", "--version"});
    EXPECT_EQ(version.out, "quorrin-capture " QUORRIN_VERSION "\n");
}

// What the loader resolves each library of a program to: soname to path.
static std::map<std::string, std::string> loadedLibraries(const std::string& program) {
    std::map<std::string, std::string> paths;
    std::stringstream listing(runTool({"ldd", program}).out);
    std::string soname, arrow, path;
    std::string line;
    while (std::getline(listing, line)) {
        std::stringstream words(line);
        if (words >> soname >> arrow >> path && arrow == "=>") paths[soname] = path;
    }
    return paths;
}

// The Debian package that installed a library file.
static std::string packageOfFile(const std::string& path) {
    // dpkg knows a file by the path its package gave it, which the merged /usr may have
    // moved: try it as loaded, resolved, and each with and without /usr.
    std::vector<std::string> candidates = {path, fs::canonical(path).string()};
    for (std::size_t i = 0, n = candidates.size(); i < n; ++i) {
        const std::string& c = candidates[i];
        candidates.push_back(c.rfind("/usr/", 0) == 0 ? c.substr(4) : "/usr" + c);
    }
    for (const std::string& candidate : candidates) {
        const ProcessResult owner = runTool({"dpkg-query", "--search", candidate});
        if (owner.exitCode == 0) return owner.out.substr(0, owner.out.find_first_of(":,"));
    }
    return {};
}

TEST(DebianPackage, DependsOnThePackagesOfEveryLibraryItsProgramsLinkTo) {
    const std::string deb = debFile();
    EXPECT_EQ(field(deb, "Package"), "quorrin");
    EXPECT_EQ(field(deb, "Version"), QUORRIN_VERSION);
    EXPECT_EQ(field(deb, "Architecture"), debianArchitecture());
    EXPECT_EQ(field(deb, "Section"), "games");
    EXPECT_TRUE(packagesNamed(field(deb, "Recommends")).count("ffmpeg"));
    const std::set<std::string> depends = packagesNamed(field(deb, "Depends"));

    TempFolder unpacked("deb");
    ASSERT_EQ(runTool({"dpkg-deb", "--extract", deb, unpacked.path}).exitCode, 0);
    int libraries = 0;
    for (const char* program : {"quorrin", "quorrin-capture"}) {
        const std::string path = unpacked.path + "/usr/lib/games/quorrin/" + program;
        const std::map<std::string, std::string> loaded = loadedLibraries(path);
        // Only the libraries it names itself: theirs are their packages' business.
        std::stringstream dynamic(runTool({"readelf", "--dynamic", path}).out);
        std::string line;
        while (std::getline(dynamic, line)) {
            const auto open = line.find("Shared library: [");
            if (open == std::string::npos) continue;
            const std::string soname = line.substr(open + 17, line.find(']') - open - 17);
            ++libraries;
            ASSERT_TRUE(loaded.count(soname)) << program << ": the loader does not find " << soname;
            const std::string package = packageOfFile(loaded.at(soname));
            ASSERT_FALSE(package.empty()) << "no installed package holds " << loaded.at(soname);
            EXPECT_TRUE(depends.count(package))
                << program << " links to " << soname << " from " << package
                << ", which Depends does not name: " << field(deb, "Depends");
        }
    }
    EXPECT_GE(libraries, 2);
}

TEST(DebianPackage, LintianReportsNoError) {
    const std::string deb = debFile();
    const ProcessResult lint = runTool({"lintian", "--display-info", deb});
    // Kept in the test's log: the warnings and notes are worth reading even when it passes.
    std::cout << lint.out << lint.err;
    std::stringstream lines(lint.out);
    std::string line;
    while (std::getline(lines, line))
        EXPECT_NE(line.rfind("E: ", 0), 0u) << line;
    EXPECT_EQ(lint.exitCode, 0) << lint.err;
}
