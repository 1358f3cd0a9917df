// The media control layer: command strings in the style of the Windows Media Control Interface
// ("Open file ALIAS a TYPE Waveaudio wait", "Play a", "Status a mode", ...) played through
// SDL2_mixer. It answers as MCI does: a status code (0 when the command succeeded, an MCI error
// number otherwise) and a return text (mode "playing", "paused" or "stopped"; length and position
// in milliseconds). The sound device is opened by the first Open and released when the last
// device is closed, never at start-up.
//
// Commands (keywords and aliases in any letter case; a file name with blanks in double quotes):
//   open FILE [alias A] [type T] [wait|notify|shareable]   T: waveaudio, sequencer, mpegvideo, avivideo
//   play A [from MS] [wait|notify]       pause A        resume A        stop A
//   seek A to MS|start|end               status A mode|length|position|ready
//   close A|all
//
// Each open device is decoded at Open into the mixing format and plays on its own mixer channel,
// so several devices can play at once, as with MCI. Commands are sent from one thread. The
// decoding runs on a thread of its own while Open calls the wait hook (a window program lets
// its events run there); a file larger than kMaxSoundFileBytes is refused (an adhan recording
// is a few MB; six minutes of CD-quality WAV is about 60 MB), and a refusal or a file that does
// not decode is written to standard error.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

struct Mix_Chunk;

namespace nv {

// The MCI error numbers this layer answers with.
enum MciError : int {
    kMciOk = 0,
    kMciErrUnrecognizedKeyword = 259,
    kMciErrUnrecognizedCommand = 261,
    kMciErrHardware = 262,
    kMciErrInvalidDeviceName = 263,
    kMciErrCannotLoadDriver = 266,
    kMciErrBadInteger = 270,
    kMciErrMissingParameter = 273,
    kMciErrFileNotFound = 275,
    kMciErrOutOfRange = 282,
    kMciErrDuplicateAlias = 289,
    kMciErrMissingDeviceName = 292,
    kMciErrNoClosingQuote = 294,
    kMciErrInvalidFile = 296,
};

// The largest sound file Open accepts.
inline constexpr uintmax_t kMaxSoundFileBytes = uintmax_t{64} << 20;

struct MciAnswer {
    int code = kMciOk;
    std::string text;
};

class MciPlayer {
public:
    // The one player of the process, as MCI is one per process.
    static MciPlayer& instance();

    MciAnswer send(std::string_view command);

    // Sees every command string as it arrives (for the program's tests and traces); an empty
    // function removes it. Returns the previous observer.
    using CommandObserver = std::function<void(const std::string& command)>;
    CommandObserver setCommandObserver(CommandObserver observer);

    // Called again and again while Open decodes a file (every few milliseconds, by the thread
    // that sent the command); without one, that thread sleeps. Commands sent from inside it
    // are answered as usual. Returns the previous hook.
    using WaitHook = std::function<void()>;
    WaitHook setWaitHook(WaitHook hook);

    // True while the sound device is open (from the first Open to the last Close).
    bool audioOpen() const { return audioOpen_; }

    MciPlayer(const MciPlayer&) = delete;
    MciPlayer& operator=(const MciPlayer&) = delete;

private:
    MciPlayer() = default;
    ~MciPlayer();

    enum class Mode { Stopped, Playing, Paused };
    struct Device {
        std::string file;
        Mix_Chunk* sound = nullptr;     // the whole file in the mixing format
        Mix_Chunk* playing = nullptr;   // the part of it from where the play started
        int channel = 0;
        Mode mode = Mode::Stopped;
        uint32_t startFrame = 0;        // where the play started, or where the device stands
        std::atomic<uint32_t> bytesMixed{0};  // counted by the mixer while the device plays
        uint32_t frames = 0;
    };

    MciAnswer open(const std::vector<std::string>& words);
    MciAnswer play(Device& device, const std::vector<std::string>& words);
    MciAnswer seek(Device& device, const std::vector<std::string>& words);
    MciAnswer status(Device& device, const std::vector<std::string>& words);
    void pause(Device& device);
    void stop(Device& device);
    void close(const std::string& key);

    void refresh(Device& device);
    void release(Device& device);
    uint32_t currentFrame(const Device& device) const;
    double toMs(uint32_t frames) const;
    uint32_t toFrames(double ms) const;
    int openAudio();
    void closeAudio();

    std::map<std::string, Device> devices_;  // by alias in lower case
    bool audioOpen_ = false;
    int rate_ = 0;        // frames per second of the mixing format
    int frameBytes_ = 0;  // bytes per frame of the mixing format
    CommandObserver observer_;
    WaitHook waitHook_;
    int opening_ = 0;  // Opens decoding now: the sound device stays open for them
};

// The platform call: sends one command string to the process's player.
MciAnswer mciSendString(std::string_view command);

// True when the system has at least one sound output device.
bool HasSoundDevice();

}  // namespace nv
