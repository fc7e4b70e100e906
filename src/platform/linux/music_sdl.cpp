// Plays the soundtrack through SDL's audio subsystem (the window belongs to GLUT).
// One track at a time; every failure leaves the show silent and says nothing.
#include "platform/linux/quiet_stderr.h"
#include "platform/linux/wave_file.h"
#include "platform/music.h"
#include "platform/music_command.h"

#include <SDL.h>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

// Shared with the audio thread; the thread runs from open to close, and every change outside
// it happens under SDL_LockAudioDevice or with the device closed.
static Uint8* trackData;
static Uint32 trackLength;
static Uint32 trackPosition;
static SDL_AudioDeviceID device;
static SDL_AudioSpec trackSpec;
static std::string trackFile;
static bool exitHookInstalled;

static void copyTrack(Uint8* stream, Uint32 wanted) {
    const Uint32 left = trackLength - trackPosition;
    const Uint32 copied = wanted < left ? wanted : left;
    std::memcpy(stream, trackData + trackPosition, copied);
    trackPosition += copied;
    // Past the end the device plays silence.
    std::memset(stream + copied, trackSpec.format == AUDIO_U8 ? 0x80 : 0, wanted - copied);
}

// Called by SDL's audio thread: nothing may be thrown back into SDL. Should the copy ever
// fail, that buffer plays silence instead.
static void fillAudio(void*, Uint8* stream, int length) noexcept {
    const Uint32 wanted = static_cast<Uint32>(length);
    try {
        copyTrack(stream, wanted);
    } catch (...) {
        std::memset(stream, trackSpec.format == AUDIO_U8 ? 0x80 : 0, wanted);
    }
}

// The byte where the sample frame at ms starts; past the end, the end (silence).
static Uint32 trackOffsetOf(std::uint32_t ms) {
    const Uint32 frameBytes = SDL_AUDIO_BITSIZE(trackSpec.format) / 8 * trackSpec.channels;
    const std::uint64_t frame =
        static_cast<std::uint64_t>(ms) * static_cast<std::uint64_t>(trackSpec.freq) / 1000;
    const std::uint64_t offset = frame * frameBytes;
    return offset < trackLength ? static_cast<Uint32>(offset) : trackLength;
}

static void closeTrack() {
    if (trackData == nullptr) return;
    const int saved = silenceStderr();
    if (device != 0) SDL_CloseAudioDevice(device); // joins the audio thread first
    SDL_FreeWAV(trackData);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    restoreStderr(saved);
    device = 0;
    trackData = nullptr;
    trackLength = trackPosition = 0;
    trackFile.clear();
}

// Esc and signals end the process with the track still playing: stop the audio thread
// before the C library tears anything down.
static void closeTrackAtExit() {
    closeTrack();
}

static void openTrack(const std::string& file) {
    if (trackData != nullptr) return; // already open; a second open changes nothing
    const int saved = silenceStderr();
    // The shell owns SIGINT and SIGTERM; SDL must not take them over.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        restoreStderr(saved);
        return;
    }
    Uint8* data = nullptr;
    Uint32 length = 0;
    std::vector<std::uint8_t> bytes;
    const bool read = readWaveFile(file, bytes);
    clampWaveData(bytes);
    if (!read || SDL_LoadWAV_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1,
                                &trackSpec, &data, &length) == nullptr) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        restoreStderr(saved);
        return;
    }
    restoreStderr(saved);
    // Only whole sample frames are played, so a truncated file cannot end mid-frame.
    const Uint32 frameBytes = SDL_AUDIO_BITSIZE(trackSpec.format) / 8 * trackSpec.channels;
    trackData = data;
    trackLength = frameBytes > 0 ? length - length % frameBytes : 0;
    trackPosition = 0;
    trackFile = file;

    // The device opens now, paused, so that the first play only has to unpause it: the track
    // then starts within one short buffer of the show's first frame.
    SDL_AudioSpec wanted = trackSpec;
    wanted.samples = 1024; // about 23 ms at 44.1 kHz
    wanted.callback = fillAudio;
    wanted.userdata = nullptr;
    const int quiet = silenceStderr();
    // The device plays the file's own format; SDL converts where the hardware differs.
    device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
    restoreStderr(quiet);
    if (device == 0) { // no sound card: the show goes on silently
        closeTrack();
        return;
    }
    if (!exitHookInstalled) {
        exitHookInstalled = true;
        std::atexit(closeTrackAtExit);
    }
}

void sendMusicCommand(const char* text) {
    const MusicCommand command = parseMusicCommand(text, 64);
    if (command.verb == MusicVerb::open) {
        openTrack(command.file);
        return;
    }
    if (trackData == nullptr || !isForOpenTrack(command, trackFile)) return;
    if (command.verb == MusicVerb::play) {
        SDL_PauseAudioDevice(device, 0); // already playing: goes on where it is
        return;
    }
    if (command.verb == MusicVerb::playFrom) {
        SDL_LockAudioDevice(device);
        trackPosition = trackOffsetOf(command.fromMs);
        SDL_UnlockAudioDevice(device);
        SDL_PauseAudioDevice(device, 0);
        return;
    }
    if (command.verb == MusicVerb::close) {
        closeTrack();
        return;
    }
    switch (command.verb) {
    case MusicVerb::stop:
    case MusicVerb::pause:
        SDL_PauseAudioDevice(device, 1);
        break;
    case MusicVerb::seekToStart:
        SDL_PauseAudioDevice(device, 1);
        SDL_LockAudioDevice(device);
        trackPosition = 0;
        SDL_UnlockAudioDevice(device);
        break;
    default:
        break;
    }
}
