// Text in two directions. A prayer name the user typed in Arabic, Urdu or Persian sits inside
// our English sentences; set apart by the first-strong isolate (U+2068) and the pop directional
// isolate (U+2069), it keeps its own right-to-left order and leaves the sentence's order (and its
// full stop) where they belong.
#pragma once

#include <QString>

namespace nv {

inline QString Isolate(const QString& name) { return QChar(0x2068) + name + QChar(0x2069); }

}  // namespace nv
