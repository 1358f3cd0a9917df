#include "MciPlayer.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>
#include <dlfcn.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <chrono>
#include <filesystem>
#include <future>
#include <iostream>
#include <system_error>
#include <vector>

#include "Log.h"

namespace nv {
namespace {

// The mixing format of the sound device: CD quality, and a buffer of about 23 ms, short enough
// that Pause and Stop are heard at once.
constexpr int kRate = 44100;
constexpr int kChannels = 2;
constexpr int kBufferFrames = 1024;

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// Splits a command into words at blanks; a word in double quotes keeps its blanks.
int splitWords(std::string_view command, std::vector<std::string>& words) {
    size_t i = 0;
    while (i < command.size()) {
        if (std::isspace(static_cast<unsigned char>(command[i]))) {
            ++i;
        } else if (command[i] == '"') {
            const size_t end = command.find('"', i + 1);
            if (end == std::string_view::npos) return kMciErrNoClosingQuote;
            words.emplace_back(command.substr(i + 1, end - i - 1));
            i = end + 1;
        } else {
            size_t end = i;
            while (end < command.size() && !std::isspace(static_cast<unsigned char>(command[end]))) ++end;
            words.emplace_back(command.substr(i, end - i));
            i = end;
        }
    }
    return kMciOk;
}

// A time in milliseconds; MCI takes whole numbers, a fraction is rounded.
bool parseMs(const std::string& word, double& ms) {
    const char* first = word.data();
    const char* last = first + word.size();
    const auto [end, ec] = std::from_chars(first, last, ms);
    if (ec != std::errc() || end != last || !std::isfinite(ms) || ms < 0) return false;
    ms = std::round(ms);
    return true;
}

// Flags any command may carry; this layer always completes a command before it answers.
bool isFlag(const std::string& word) {
    return word == "wait" || word == "notify";
}

// SDL and its mixer, with the sound libraries they bring (PulseAudio, ALSA, JACK, FluidSynth,
// the decoders: some forty libraries), are loaded when a sound is first opened or a device
// looked for, not at every start of a program that may never play one.
struct SoundLibrary {
#define NV_SOUND_FUNCTIONS(F) F(SDL_RWFromFile) F(SDL_RWclose) F(Mix_LoadWAV_RW) F(SDL_GetError) F(SDL_TLSCleanup) F(Mix_FreeChunk) F(Mix_AllocateChannels) F(Mix_Resume) F(Mix_QuickLoad_RAW) F(Mix_UnregisterAllEffects) F(Mix_RegisterEffect) F(Mix_PlayChannel) F(Mix_Playing) F(Mix_Paused) F(SDL_Delay) F(Mix_Pause) F(Mix_HaltChannel) F(SDL_InitSubSystem) F(Mix_OpenAudio) F(SDL_QuitSubSystem) F(Mix_QuerySpec) F(Mix_CloseAudio) F(SDL_GetNumAudioDevices)
#define NV_SOUND_POINTER(name) decltype(&::name) name = nullptr;
    NV_SOUND_FUNCTIONS(NV_SOUND_POINTER)
#undef NV_SOUND_POINTER
};

// The loaded library, or null (with the reason logged once) when it cannot be loaded: then
// there is no sound device.
const SoundLibrary* sdl() {
    static const SoundLibrary* const loaded = []() -> const SoundLibrary* {
        void* handle = dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
        static SoundLibrary library;
        bool complete = handle != nullptr;
#define NV_SOUND_LOOKUP(name)                                                             \
        if (complete) {                                                                    \
            library.name = reinterpret_cast<decltype(&::name)>(dlsym(handle, #name));     \
            complete = library.name != nullptr;                                            \
        }
        NV_SOUND_FUNCTIONS(NV_SOUND_LOOKUP)
#undef NV_SOUND_LOOKUP
        if (!complete) {
            const char* why = dlerror();
            std::cerr << "No sound: " << (why ? why : "SDL2_mixer cannot be loaded") << std::endl;
            return nullptr;
        }
        return &library;
    }();
    return loaded;
}

// The mixer calls this for every block of a playing device's sound it mixes: the count of bytes
// mixed is the device's position.
void countMixed(int, void*, int len, void* counter) {
    static_cast<std::atomic<uint32_t>*>(counter)->fetch_add(static_cast<uint32_t>(len));
}

std::string wholeMs(double ms) {
    return std::to_string(static_cast<long long>(std::llround(ms)));
}

}  // namespace

MciPlayer& MciPlayer::instance() {
    static MciPlayer player;
    return player;
}

MciPlayer::~MciPlayer() {
    while (!devices_.empty()) close(devices_.begin()->first);
}

MciPlayer::WaitHook MciPlayer::setWaitHook(WaitHook hook) {
    std::swap(hook, waitHook_);
    return hook;
}

MciPlayer::CommandObserver MciPlayer::setCommandObserver(CommandObserver observer) {
    std::swap(observer, observer_);
    return observer;
}

MciAnswer MciPlayer::send(std::string_view command) {
    if (observer_) observer_(std::string(command));

    std::vector<std::string> words;
    if (const int code = splitWords(command, words); code != kMciOk) return {code, {}};
    if (words.empty()) return {kMciErrUnrecognizedCommand, {}};
    const std::string verb = lower(words[0]);
    if (verb == "open") return open(words);

    static const char* const kDeviceVerbs[] = {"play", "pause", "resume", "stop", "seek", "status", "close"};
    if (std::find(std::begin(kDeviceVerbs), std::end(kDeviceVerbs), verb) == std::end(kDeviceVerbs))
        return {kMciErrUnrecognizedCommand, {}};
    if (words.size() < 2) return {kMciErrMissingDeviceName, {}};
    const std::string key = lower(words[1]);
    if (verb == "close" && key == "all") {
        while (!devices_.empty()) close(devices_.begin()->first);
        return {};
    }
    const auto found = devices_.find(key);
    if (found == devices_.end()) return {kMciErrInvalidDeviceName, {}};
    Device& device = found->second;

    if (verb == "play") return play(device, words);
    if (verb == "seek") return seek(device, words);
    if (verb == "status") return status(device, words);
    for (size_t i = 2; i < words.size(); ++i)
        if (!isFlag(lower(words[i]))) return {kMciErrUnrecognizedKeyword, {}};
    if (verb == "pause") {
        pause(device);
    } else if (verb == "resume") {
        refresh(device);
        if (device.mode == Mode::Paused) return play(device, {});
    } else if (verb == "stop") {
        stop(device);
    } else {
        close(key);
    }
    return {};
}

MciAnswer MciPlayer::open(const std::vector<std::string>& words) {
    if (words.size() < 2) return {kMciErrMissingParameter, {}};
    const std::string& file = words[1];
    std::string alias = file;
    std::string type;
    for (size_t i = 2; i < words.size(); ++i) {
        const std::string word = lower(words[i]);
        if ((word == "alias" || word == "type") && i + 1 < words.size()) {
            (word == "alias" ? alias : type) = words[++i];
        } else if (word == "alias" || word == "type") {
            return {kMciErrMissingParameter, {}};
        } else if (!isFlag(word) && word != "shareable") {
            return {kMciErrUnrecognizedKeyword, {}};
        }
    }
    static const char* const kTypes[] = {"", "waveaudio", "sequencer", "mpegvideo", "avivideo"};
    if (std::find(std::begin(kTypes), std::end(kTypes), lower(type)) == std::end(kTypes))
        return {kMciErrCannotLoadDriver, {}};
    const std::string key = lower(alias);
    if (devices_.count(key)) return {kMciErrDuplicateAlias, {}};
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return {kMciErrFileNotFound, {}};
    const uintmax_t size = std::filesystem::file_size(file, ec);
    if (ec || size > kMaxSoundFileBytes) {
        qCWarning(lcMedia).noquote()
            << QString::fromStdString("Noorvale: the sound file " + file + " is not played: " +
                                      (ec ? ec.message()
                                          : "it is larger than " + std::to_string(kMaxSoundFileBytes >> 20) + " MB"));
        return {kMciErrInvalidFile, {}};
    }

    if (const int code = openAudio(); code != kMciOk) return {code, {}};
    // The whole file is decoded now (WAV, MIDI, OGG, MP3, FLAC ...), so that position, length
    // and seeking are exact for every kind of file. The decoding runs on a thread of its own
    // while the caller's wait hook keeps its windows alive.
    ++opening_;
    std::string problem;  // SDL's error text is per thread: the decoder's is kept here
    std::future<Mix_Chunk*> decoding = std::async(std::launch::async, [&file, &problem]() -> Mix_Chunk* {
        Mix_Chunk* chunk = nullptr;
        if (SDL_RWops* in = sdl()->SDL_RWFromFile(file.c_str(), "rb")) {
            chunk = sdl()->Mix_LoadWAV_RW(in, 0);
            sdl()->SDL_RWclose(in);
        }
        if (!chunk) problem = sdl()->SDL_GetError();
        sdl()->SDL_TLSCleanup();  // SDL keeps its error text per thread; this thread ends here
        return chunk;
    });
    while (decoding.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
        if (waitHook_) waitHook_();
    Mix_Chunk* sound = decoding.get();
    --opening_;
    if (!sound) {
        qCWarning(lcMedia).noquote() << QString::fromStdString("Noorvale: the sound file " + file +
                                                               " could not be read as sound: " + problem);
        if (devices_.empty() && opening_ == 0) closeAudio();
        return {kMciErrInvalidFile, {}};
    }
    if (devices_.count(key)) {  // opened again under this alias while this one was decoding
        sdl()->Mix_FreeChunk(sound);
        return {kMciErrDuplicateAlias, {}};
    }
    // Each device plays on a mixer channel of its own: the lowest one no other device uses.
    int channel = 0;
    for (bool used = true; used; ) {
        used = false;
        for (const auto& [name, other] : devices_) used = used || other.channel == channel;
        if (used) ++channel;
    }
    if (channel >= sdl()->Mix_AllocateChannels(-1)) sdl()->Mix_AllocateChannels(channel + 1);

    Device& device = devices_[key];
    device.file = file;
    device.sound = sound;
    device.channel = channel;
    device.frames = sound->alen / frameBytes_;
    return {};
}

MciAnswer MciPlayer::play(Device& device, const std::vector<std::string>& words) {
    bool wait = false;
    double from = -1;
    for (size_t i = 2; i < words.size(); ++i) {
        const std::string word = lower(words[i]);
        if (word == "wait") {
            wait = true;
        } else if (word == "from") {
            if (i + 1 >= words.size()) return {kMciErrMissingParameter, {}};
            if (!parseMs(words[++i], from)) return {kMciErrBadInteger, {}};
            if (from > toMs(device.frames)) return {kMciErrOutOfRange, {}};
        } else if (word != "notify") {
            return {kMciErrUnrecognizedKeyword, {}};
        }
    }
    refresh(device);
    if (from >= 0) {
        stop(device);
        device.startFrame = toFrames(from);
    }
    if (device.mode == Mode::Paused) {
        sdl()->Mix_Resume(device.channel);
        device.mode = Mode::Playing;
    } else if (device.mode == Mode::Stopped) {
        // Like MCI, a device that stands at its end has nothing left to play.
        if (device.startFrame >= device.frames) return {};
        if (device.playing) sdl()->Mix_FreeChunk(device.playing);
        const uint32_t offset = device.startFrame * frameBytes_;
        device.playing = sdl()->Mix_QuickLoad_RAW(device.sound->abuf + offset, device.sound->alen - offset);
        device.bytesMixed = 0;
        sdl()->Mix_UnregisterAllEffects(device.channel);
        sdl()->Mix_RegisterEffect(device.channel, countMixed, nullptr, &device.bytesMixed);
        if (!device.playing || sdl()->Mix_PlayChannel(device.channel, device.playing, 0) < 0) {
            sdl()->Mix_UnregisterAllEffects(device.channel);
            return {kMciErrHardware, {}};
        }
        device.mode = Mode::Playing;
    }
    if (wait) {
        while (sdl()->Mix_Playing(device.channel) && !sdl()->Mix_Paused(device.channel)) sdl()->SDL_Delay(5);
        refresh(device);
    }
    return {};
}

MciAnswer MciPlayer::seek(Device& device, const std::vector<std::string>& words) {
    if (words.size() < 4 || lower(words[2]) != "to") return {kMciErrMissingParameter, {}};
    for (size_t i = 4; i < words.size(); ++i)
        if (!isFlag(lower(words[i]))) return {kMciErrUnrecognizedKeyword, {}};
    const std::string target = lower(words[3]);
    uint32_t frame = 0;
    if (target == "end") {
        frame = device.frames;
    } else if (target != "start") {
        double ms = 0;
        if (!parseMs(words[3], ms)) return {kMciErrBadInteger, {}};
        if (ms > toMs(device.frames)) return {kMciErrOutOfRange, {}};
        frame = toFrames(ms);
    }
    // Seeking stops the device, as MCI does.
    stop(device);
    device.startFrame = std::min(frame, device.frames);
    return {};
}

MciAnswer MciPlayer::status(Device& device, const std::vector<std::string>& words) {
    if (words.size() < 3) return {kMciErrMissingParameter, {}};
    for (size_t i = 3; i < words.size(); ++i)
        if (!isFlag(lower(words[i]))) return {kMciErrUnrecognizedKeyword, {}};
    refresh(device);
    const std::string item = lower(words[2]);
    if (item == "mode") {
        switch (device.mode) {
        case Mode::Playing: return {kMciOk, "playing"};
        case Mode::Paused: return {kMciOk, "paused"};
        case Mode::Stopped: return {kMciOk, "stopped"};
        }
    }
    if (item == "length") return {kMciOk, wholeMs(toMs(device.frames))};
    if (item == "position") return {kMciOk, wholeMs(toMs(currentFrame(device)))};
    if (item == "ready") return {kMciOk, "true"};
    return {kMciErrUnrecognizedKeyword, {}};
}

void MciPlayer::pause(Device& device) {
    refresh(device);
    if (device.mode != Mode::Playing) return;
    sdl()->Mix_Pause(device.channel);
    device.mode = Mode::Paused;
}

void MciPlayer::stop(Device& device) {
    refresh(device);
    if (device.mode == Mode::Stopped) return;
    device.startFrame = currentFrame(device);
    device.mode = Mode::Stopped;
    sdl()->Mix_HaltChannel(device.channel);
}

void MciPlayer::close(const std::string& key) {
    const auto found = devices_.find(key);
    if (found == devices_.end()) return;
    Device& device = found->second;
    sdl()->Mix_HaltChannel(device.channel);
    if (device.playing) sdl()->Mix_FreeChunk(device.playing);
    sdl()->Mix_FreeChunk(device.sound);
    devices_.erase(found);
    if (devices_.empty() && opening_ == 0) closeAudio();
}

// A playing device whose sound has run out stands at its end, stopped.
void MciPlayer::refresh(Device& device) {
    if (device.mode == Mode::Playing && !sdl()->Mix_Playing(device.channel)) {
        device.startFrame = currentFrame(device);
        device.mode = Mode::Stopped;
    }
}

uint32_t MciPlayer::currentFrame(const Device& device) const {
    if (device.mode == Mode::Stopped) return device.startFrame;
    const uint32_t mixed = device.bytesMixed.load() / frameBytes_;
    return std::min(device.frames, device.startFrame + mixed);
}

double MciPlayer::toMs(uint32_t frames) const {
    return rate_ ? double(frames) * 1000 / rate_ : 0;
}

uint32_t MciPlayer::toFrames(double ms) const {
    return static_cast<uint32_t>(std::llround(ms * rate_ / 1000));
}

int MciPlayer::openAudio() {
    if (audioOpen_) return kMciOk;
    if (!sdl()) return kMciErrHardware;
    if (sdl()->SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return kMciErrHardware;
    if (sdl()->Mix_OpenAudio(kRate, AUDIO_S16SYS, kChannels, kBufferFrames) != 0) {
        sdl()->SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return kMciErrHardware;
    }
    // The device may have given a different rate or channel count than asked for.
    Uint16 format = 0;
    int channels = 0;
    sdl()->Mix_QuerySpec(&rate_, &format, &channels);
    frameBytes_ = std::max(1, int(SDL_AUDIO_BITSIZE(format)) / 8 * channels);
    audioOpen_ = true;
    return kMciOk;
}

void MciPlayer::closeAudio() {
    if (!audioOpen_) return;
    sdl()->Mix_CloseAudio();
    sdl()->SDL_QuitSubSystem(SDL_INIT_AUDIO);
    audioOpen_ = false;
}

MciAnswer mciSendString(std::string_view command) {
    return MciPlayer::instance().send(command);
}

bool HasSoundDevice() {
    if (!sdl()) return false;
    if (sdl()->SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    const int devices = sdl()->SDL_GetNumAudioDevices(0);
    sdl()->SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return devices >= 1;
}

}  // namespace nv
