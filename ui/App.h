// What the program says about itself: its title and its version.
#pragma once

#include <QIcon>
#include <QString>

namespace nv::App {

QString Title();  // "Noorvale"
int Major();
int Minor();
int Revision();
// "Version " + major + "." + minor + "." + revision.
QString VersionText();

// The program's icon in every size it ships (the program folder's icons/hicolor/).
QIcon Icon();
// Tells the desktop who the windows belong to: the icon of every window, and the desktop entry
// "noorvale" (so a Wayland compositor matches the windows to the menu entry).
void SetIdentity();

}  // namespace nv::App
