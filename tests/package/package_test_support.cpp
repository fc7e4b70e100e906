#include "package_test_support.h"

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

TempFolder::TempFolder(const std::string& name) {
    std::string pattern = ::testing::TempDir() + "quorrin " + name + " XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "cannot make a folder " << pattern;
    path = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::remove_all(path, ignored);
}

std::string onPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::stringstream folders(path ? path : "/usr/bin:/bin");
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        const std::string candidate = folder + "/" + program;
        if (!folder.empty() && access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    return {};
}

ProcessResult runTool(const std::vector<std::string>& argv, const std::string& folder) {
    std::vector<std::string> resolved = argv;
    resolved[0] = onPath(argv[0]);
    if (resolved[0].empty()) {
        ADD_FAILURE() << argv[0] << " is not installed (scripts/install-deps.sh installs it)";
        return {};
    }
    ProcessOptions options;
    options.workingDirectory = folder;
    options.timeoutSeconds = 600;
    return runProcess(resolved, options);
}

std::vector<std::string> builtPictureNames() {
    std::vector<std::string> names;
    std::stringstream list(QUORRIN_BUILT_PICTURES);
    std::string name;
    while (std::getline(list, name, ','))
        names.push_back(name);
    return names;
}

std::vector<std::string> folderEntries(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

static std::string linkTarget(const std::string& link) {
    std::error_code error;
    const fs::path target = fs::read_symlink(link, error);
    return error ? std::string() : target.string();
}

ShowRun playUntilProgress(const std::vector<std::string>& argv, const std::string& workingFolder,
                          std::size_t progressLines) {
    ShowRun run;
    const std::string music =
        ::testing::TempDir() + "quorrin-package-music-" + std::to_string(getpid()) + ".raw";
    fs::remove(music);
    ProcessOptions options;
    options.workingDirectory = workingFolder;
    options.env = {"SDL_AUDIODRIVER=disk", "SDL_DISKAUDIOFILE=" + music};
    options.timeoutSeconds = 300;
    options.whileRunning = [&](int pid, const std::string& out) {
        if (static_cast<std::size_t>(std::count(out.begin(), out.end(), '\n')) < progressLines)
            return false;
        const std::string proc = "/proc/" + std::to_string(pid);
        run.workingFolder = linkTarget(proc + "/cwd");
        run.executable = linkTarget(proc + "/exe");
        kill(pid, SIGTERM);
        return true;
    };
    run.result = runProcess(argv, options);
    std::error_code error;
    run.musicBytes = fs::file_size(music, error);
    if (error) run.musicBytes = 0;
    fs::remove(music, error);
    return run;
}

void expectPlayedAndEndedCleanly(const ShowRun& run, std::size_t progressLines) {
    const ProcessResult& result = run.result;
    EXPECT_FALSE(result.timedOut) << "no progress lines in time; it printed:\n" << result.out;
    EXPECT_EQ(result.signal, 0);
    EXPECT_EQ(result.exitCode, 0);
    // A picture or soundtrack it cannot find is named here.
    EXPECT_EQ(result.err, "");
    const std::vector<std::string> lines = splitLines(result.out);
    EXPECT_GE(lines.size(), progressLines);
    for (const std::string& line : lines) {
        char* end = nullptr;
        const double progress = std::strtod(line.c_str(), &end);
        EXPECT_TRUE(end != line.c_str() && *end == '\0' && progress >= 0 && progress <= 1)
            << "not a progress line: " << line;
    }
    EXPECT_GT(run.musicBytes, 0u) << "no music played: the soundtrack was not found";
}

PngSize readPngSize(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    unsigned char head[24] = {};
    if (!file.read(reinterpret_cast<char*>(head), sizeof head)) return {};
    static constexpr unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    if (!std::equal(signature, signature + 8, head) || std::string(head + 12, head + 16) != "IHDR")
        return {};
    const auto big = [&](int at) {
        return (unsigned{head[at]} << 24) | (unsigned{head[at + 1]} << 16) |
               (unsigned{head[at + 2]} << 8) | unsigned{head[at + 3]};
    };
    return {big(16), big(20)};
}
