// Message boxes on screen: installs the real Qt box behind the program's one message-box seam
// (common/MsgBox.h), and a QString form of it for the windows.
#pragma once

#include <QString>

#include "MsgBox.h"

class QWidget;

namespace nv {

// From now on MsgBox shows a real box (QMessageBox) over the active window.
void installMessageBoxes();

// The QString form of MsgBox: the answer vbOK, vbYes or vbNo.
int MsgBox(const QString& text, int style = vbOKOnly, const QString& title = QString());

}  // namespace nv
