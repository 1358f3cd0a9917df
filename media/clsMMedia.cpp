#include "clsMMedia.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <utility>

#include "DateValue.h"
#include "MciPlayer.h"
#include "VbConv.h"
#include "VbError.h"

namespace nv {
namespace {

constexpr const char* kSourcePrefix = "Noorvale.clsMMedia.";
constexpr const char* kFailure = "clsMMedia component failure";

template <class F>
auto trapped(const char* procedure, F&& body) -> decltype(body()) {
    return classTrap(kErrMMediaFailure, kSourcePrefix, procedure, kFailure, std::forward<F>(body));
}

// The device type for the last three characters of a file name; empty when the type is unknown.
std::string deviceType(std::string extension) {
    for (char& c : extension) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (extension == "WAV") return "Waveaudio";
    if (extension == "AVI") return "AviVideo";
    if (extension == "MID") return "Sequencer";
    return {};
}

// The shortest decimal text that reads back as the same 32-bit float (1500, 2.5).
std::string shortestText(float value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

// The return buffer's text: 255 characters at most, ending at the first zero character.
constexpr size_t kReturnBuffer = 255;
std::string bufferText(const std::string& answer) {
    const size_t end = std::min({answer.find('\0'), answer.size(), kReturnBuffer - 1});
    return answer.substr(0, end);
}

}  // namespace

clsMMedia::~clsMMedia() {
    resumeNext([&] { mmClose(); });
}

void clsMMedia::mmOpen(const std::string& sTheFile) {
    trapped("mmOpen", [&] {
        if (!sAlias.empty()) mmClose();
        const std::string extension = sTheFile.substr(sTheFile.size() - std::min<size_t>(3, sTheFile.size()));
        const std::string type = deviceType(extension);
        if (type.empty()) return;
        sAlias = extension + std::to_string(minute(now()));
        sFilename = sTheFile;
        const std::string file =
            sTheFile.find(' ') != std::string::npos ? "\"" + sTheFile + "\"" : sTheFile;
        mciSendString("Open " + file + " ALIAS " + sAlias + " TYPE " + type + " wait");
    });
}

void clsMMedia::mmClose() {
    trapped("mmClose", [&] {
        if (sAlias.empty()) return;
        mciSendString("Close " + sAlias);
        sAlias.clear();
        sFilename.clear();
    });
}

void clsMMedia::mmPlay() {
    trapped("mmPlay", [&] {
        if (sAlias.empty()) return;
        mciSendString("Play " + sAlias + (bWait ? " wait" : ""));
    });
}

void clsMMedia::mmPause() {
    trapped("mmPause", [&] {
        if (!sAlias.empty()) mciSendString("Pause " + sAlias);
    });
}

void clsMMedia::mmStop() {
    trapped("mmStop", [&] {
        if (!sAlias.empty()) mciSendString("Stop " + sAlias);
    });
}

void clsMMedia::mmSeek(float nPosition) {
    trapped("mmSeek", [&] { mciSendString("Seek " + sAlias + " to " + shortestText(nPosition)); });
}

std::string clsMMedia::statusQuery(const char* procedure, const char* item) {
    return trapped(procedure, [&]() -> std::string {
        if (sAlias.empty()) return {};
        return bufferText(mciSendString("Status " + sAlias + item).text);
    });
}

float clsMMedia::Length() {
    return static_cast<float>(val(statusQuery("Length", " length")));
}

float clsMMedia::Position() {
    return static_cast<float>(val(statusQuery("Position", " position")));
}

std::string clsMMedia::Status() {
    return statusQuery("Status", " mode");
}

}  // namespace nv
