// The program's plain message box: a text with an OK button under a caption (the program's
// title unless given). Tests install a sink at this seam to read what would be shown.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace nv {

void MsgBox(const QString& text, QWidget* parent = nullptr, const QString& title = QString());

using MsgBoxSink = std::function<void(const QString& text, const QString& title)>;
// Routes message boxes to `sink` instead of the screen; an empty sink restores real boxes.
// Returns the previous sink.
MsgBoxSink setMsgBoxSink(MsgBoxSink sink);

}  // namespace nv
