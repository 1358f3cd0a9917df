#include "MsgBox.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <mutex>
#include <sstream>
#include <vector>

namespace nv {

namespace {
std::mutex mutex;
MsgBoxHandler& handlerSlot() {
    static MsgBoxHandler h;
    return h;
}
std::string& titleSlot() {
    static std::string t = "Noorvale";
    return t;
}
}  // namespace

int MsgBox(const std::string& text, int style, const std::string& title) {
    MsgBoxHandler h;
    std::string caption;
    {
        std::lock_guard<std::mutex> lock(mutex);
        h = handlerSlot();
        caption = title.empty() ? titleSlot() : title;
    }
    if (h) return h(text, style, caption);
    std::cerr << caption << ": " << text << std::endl;
    return (style & 7) == vbYesNo ? vbNo : (style & 7) == vbAbortRetryIgnore ? vbAbort : vbOK;
}

MsgBoxHandler setMsgBoxHandler(MsgBoxHandler handler) {
    std::lock_guard<std::mutex> lock(mutex);
    MsgBoxHandler old = std::move(handlerSlot());
    handlerSlot() = std::move(handler);
    return old;
}

void setAppTitle(const std::string& title) {
    std::lock_guard<std::mutex> lock(mutex);
    titleSlot() = title;
}

const std::string& appTitle() { return titleSlot(); }

bool InstallMsgBoxTestHook() {
    const char* log = std::getenv("NOORVALE_MSGBOX_LOG");
    if (!log || !*log) return false;
    std::vector<std::string> answers;
    if (const char* a = std::getenv("NOORVALE_MSGBOX_ANSWERS")) {
        std::stringstream words(a);
        for (std::string w; std::getline(words, w, ',');) {
            std::string word;
            for (char c : w)
                if (c != ' ') word.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
            answers.push_back(word);
        }
    }
    MsgBoxHandler shown = setMsgBoxHandler({});
    setMsgBoxHandler([logFile = std::string(log), answers, shown, next = size_t{0}](
                         const std::string& text, int style, const std::string& title) mutable {
        std::string line = title + "\t";
        for (char c : text) {
            if (c == '\r') continue;
            if (c == '\n') line += "\\n";
            else line.push_back(c);
        }
        std::ofstream(logFile, std::ios::app) << line << '\n' << std::flush;
        const std::string word = answers.empty() ? std::string() : answers[std::min(next++, answers.size() - 1)];
        if (word == "show" && shown) return shown(text, style, title);
        const int buttons = style & 7;
        if (buttons == vbYesNo) return word == "no" ? int{vbNo} : int{vbYes};
        if (buttons == vbAbortRetryIgnore)
            return word == "retry" ? int{vbRetry} : word == "ignore" ? int{vbIgnore} : int{vbAbort};
        return int{vbOK};
    });
    return true;
}

}  // namespace nv
