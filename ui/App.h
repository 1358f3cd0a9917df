// What the program says about itself: its title and its version.
#pragma once

#include <QString>

namespace nv::App {

QString Title();  // "Noorvale"
int Major();
int Minor();
int Revision();
// "Version " + major + "." + minor + "." + revision.
QString VersionText();

}  // namespace nv::App
