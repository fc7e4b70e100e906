#include "platform/music_command.h"

#include <cctype>
#include <charconv>
#include <string_view>
#include <vector>

static bool sameWord(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

static std::vector<std::string_view> splitWords(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
            ++i;
        const std::size_t start = i;
        while (i < text.size() && !std::isspace(static_cast<unsigned char>(text[i])))
            ++i;
        if (i > start) words.push_back(text.substr(start, i - start));
    }
    return words;
}

// Whole milliseconds: digits only, within 32 bits.
static bool readMilliseconds(std::string_view word, std::uint32_t& ms) {
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), ms);
    return error == std::errc() && end == word.data() + word.size();
}

MusicCommand parseMusicCommand(const char* text, std::size_t maxLength) {
    MusicCommand command;
    if (text == nullptr) return command;
    std::size_t length = 0;
    while (length < maxLength && text[length] != '\0')
        ++length;
    const auto words = splitWords(std::string_view(text, length));

    if (words.size() == 2) {
        if (sameWord(words[0], "open"))
            command.verb = MusicVerb::open;
        else if (sameWord(words[0], "play"))
            command.verb = MusicVerb::play;
        else if (sameWord(words[0], "pause"))
            command.verb = MusicVerb::pause;
        else if (sameWord(words[0], "stop"))
            command.verb = MusicVerb::stop;
        else if (sameWord(words[0], "close"))
            command.verb = MusicVerb::close;
    } else if (words.size() == 4 && sameWord(words[0], "seek") && sameWord(words[2], "to") &&
               sameWord(words[3], "start")) {
        command.verb = MusicVerb::seekToStart;
    } else if (words.size() == 4 && sameWord(words[0], "play") && sameWord(words[2], "from") &&
               readMilliseconds(words[3], command.fromMs)) {
        command.verb = MusicVerb::playFrom;
    }
    if (command.verb != MusicVerb::invalid) command.file = std::string(words[1]);
    return command;
}

struct VerbName {
    MusicVerb verb;
    const char* name;
};
static constexpr VerbName verbNames[] = {
    {MusicVerb::open, "open"},   {MusicVerb::play, "play"}, {MusicVerb::playFrom, "playFrom"},
    {MusicVerb::pause, "pause"}, {MusicVerb::stop, "stop"}, {MusicVerb::seekToStart, "seekToStart"},
    {MusicVerb::close, "close"},
};

const char* musicVerbName(MusicVerb verb) {
    for (const VerbName& named : verbNames)
        if (named.verb == verb) return named.name;
    return "";
}

const char* musicVerbNames() {
    static const std::string names = [] {
        std::string joined;
        for (const VerbName& named : verbNames)
            joined += (joined.empty() ? "" : " ") + std::string(named.name);
        return joined;
    }();
    return names.c_str();
}

bool isForOpenTrack(const MusicCommand& command, const std::string& openFile) {
    return command.verb != MusicVerb::invalid && !openFile.empty() && command.file == openFile;
}
