// The program's media player: opens one sound (or video) file under a private alias, plays,
// pauses, stops and seeks it, reports its length, position and mode, and closes it. It only
// builds command strings; the media knowledge lies in the command layer (MciPlayer).
#pragma once

#include <cstdint>
#include <string>

namespace nv {

class clsMMedia {
public:
    clsMMedia() = default;
    ~clsMMedia();  // closes the device that is still open
    clsMMedia(const clsMMedia&) = delete;
    clsMMedia& operator=(const clsMMedia&) = delete;

    const std::string& Filename() const { return sFilename; }
    void Filename(const std::string& sTheFile) { mmOpen(sTheFile); }

    bool Wait() const { return bWait; }
    void Wait(bool bWaitValue) { bWait = bWaitValue; }

    // Length and position as the device reports them (milliseconds for sounds); 0 when closed.
    float Length();
    float Position();
    void Position(float nPosition) { mmSeek(nPosition); }

    // The device's mode: "playing", "paused", "stopped"; empty when closed or when the open failed.
    std::string Status();

    // Opens a .wav, .avi or .mid file (chosen by the last three characters of the name); any
    // other file closes the player and opens nothing.
    void mmOpen(const std::string& sTheFile);
    void mmClose();
    void mmPause();
    void mmPlay();  // returns at once, or when the sound has ended if Wait is true
    void mmStop();
    void mmSeek(float nPosition);

private:
    std::string statusQuery(const char* procedure, const char* item);

    std::string sAlias;     // alias of the open device; empty when nothing is open
    std::string sFilename;  // the file given to the last mmOpen; empty when nothing is open
    bool bWait = false;     // mmPlay returns only after playback has ended
};

// The error raised by the player: object-error base + 11502.
inline constexpr int32_t kErrMMediaFailure = static_cast<int32_t>(0x80042CEEu);

}  // namespace nv
