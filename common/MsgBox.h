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

}  // namespace nv
