#include "wine_runs.h"

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/file.h>
#include <unistd.h>

static std::string scratchFolder() {
    const char* scratch = std::getenv("TEST_TMPDIR");
    return scratch != nullptr && scratch[0] != '\0' ? scratch : "/tmp/";
}

std::string freshFolder(const std::string& name) {
    const std::string folder =
        scratchFolder() + "quorrin-windows-" + name + "-" + std::to_string(getpid());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

// Shared by every test of a run: a prefix takes some 12 s and 700 MB to make.
static std::string winePrefix() {
    return scratchFolder() + "quorrin-wine-prefix";
}

// Wine's .NET and HTML engines would offer to download themselves; none is wanted.
static const char* const quietWine[] = {"WINEDEBUG=-all",
                                        "WINEDLLOVERRIDES=mscoree,mshtml=;winepulse.drv=d"};

// Tests run side by side: the one holding the prefix's lock has Wine to itself.
static int lockPrefix() {
    const int lock = open((winePrefix() + ".lock").c_str(), O_CREAT | O_RDWR | O_CLOEXEC, 0644);
    if (lock >= 0) flock(lock, LOCK_EX);
    return lock;
}

static void unlockPrefix(int lock) {
    flock(lock, LOCK_UN);
    close(lock);
}

bool prepareWinePrefix() {
    const std::string prefix = winePrefix();
    // The first test makes the prefix, the others wait for it.
    const int lock = lockPrefix();
    if (lock < 0) return false;
    const std::string made = prefix + "/system.reg";
    if (!std::filesystem::exists(made)) {
        ProcessOptions options;
        options.env = {"WINEPREFIX=" + prefix, quietWine[0], quietWine[1]};
        options.unsetEnv = {"DISPLAY"};
        options.timeoutSeconds = 300;
        runProcess({QUORRIN_WINE, "wineboot", "-i"}, options);
        options.timeoutSeconds = 30;
        runProcess({QUORRIN_WINESERVER, "-w"}, options); // done once its server is
    }
    unlockPrefix(lock);
    return std::filesystem::exists(made);
}

ProcessResult runUnderWine(const std::vector<std::string>& command, const ProcessOptions& options) {
    const int lock = lockPrefix();
    const ProcessResult result = runProcess(command, options);
    ProcessOptions server;
    server.env = {"WINEPREFIX=" + winePrefix()};
    runProcess({QUORRIN_WINESERVER, "-k"}, server);
    if (lock >= 0) unlockPrefix(lock);
    return result;
}

std::vector<std::string> wineCommand(const std::string& program,
                                     const std::vector<std::string>& arguments) {
    std::vector<std::string> command{QUORRIN_WINE, program};
    command.insert(command.end(), arguments.begin(), arguments.end());
    return command;
}

ProcessOptions wineOptions(const VirtualScreen& screen, const std::string& soundFile) {
    ProcessOptions options;
    options.workingDirectory = QUORRIN_WINDOWS_DATA_DIR;
    options.env = {"DISPLAY=" + screen.display, "WINEPREFIX=" + winePrefix(), quietWine[0],
                   quietWine[1], "QUORRIN_MESSAGES=stderr"};
    options.unsetEnv = {"PULSE_SERVER"};
    options.timeoutSeconds = 180; // only a guard against a hang
    if (!soundFile.empty()) {
        // The system's configuration, then the default device replaced by a file sink: the
        // samples Wine mixes, as they are, and nothing to a sound card.
        const std::string config = soundFile + ".asoundrc";
        std::ofstream(config) << "</usr/share/alsa/alsa.conf>\n"
                              << "pcm.!default { type file; slave.pcm \"null\"; file \""
                              << soundFile << "\"; format \"raw\" }\n";
        options.env.push_back("ALSA_CONFIG_PATH=" + config);
    }
    return options;
}

bool pressKey(const std::string& display, const std::string& key) {
    const std::string press = "DISPLAY=" + display +
                              " xdotool search --name '^quorrin$' windowfocus --sync key " + key +
                              " >/dev/null 2>&1";
    return std::system(press.c_str()) == 0;
}

RgbImage screenPicture(const std::string& framebufferFolder) {
    ScreenPixels screen = readScreenFile(framebufferFolder);
    return {screen.width, screen.height, std::move(screen.rgb)};
}

double secondsNow() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}
