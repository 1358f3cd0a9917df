// The message box of all three programs: a text, its buttons and icon, and a caption (the
// program's title unless given). The windowed programs install a real box at start; until then,
// and in programs without windows, the text goes to standard error and the default button is
// the answer. Tests install a handler of their own to read the texts and give the answers.
#pragma once

#include <functional>
#include <string>

namespace nv {

// Buttons and icon, added together.
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbAbortRetryIgnore = 2,
    vbYesNo = 4,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
};
enum MsgBoxResult : int { vbOK = 1, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };

// The answer to a box: vbOK, vbYes or vbNo; vbAbort, vbRetry or vbIgnore.
int MsgBox(const std::string& text, int style = vbOKOnly, const std::string& title = {});

using MsgBoxHandler = std::function<int(const std::string& text, int style, const std::string& title)>;
// Installs the handler that shows the boxes; an empty one restores standard error. Returns the
// previous handler.
MsgBoxHandler setMsgBoxHandler(MsgBoxHandler handler);

// The title of a box that names none ("Noorvale", "Tarvo", "Quenlo").
void setAppTitle(const std::string& title);
const std::string& appTitle();

// The test hook of the windowed programs, for tests that run the real executables: when the
// environment names NOORVALE_MSGBOX_LOG, each box's title and text (line breaks written as "\n")
// is appended to that file as one line "title<TAB>text", and the answer is the next of the
// comma-separated words in NOORVALE_MSGBOX_ANSWERS (ok, yes, no, abort, retry, ignore; the last
// one repeats; without any, the box's first button). The word "show" shows the box as the
// handler installed before did, after the line is written, so that a test can find a box open.
// True when the hook was installed.
bool InstallMsgBoxTestHook();

}  // namespace nv
