#include "MsgBox.h"

#include <iostream>
#include <mutex>

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

}  // namespace nv
