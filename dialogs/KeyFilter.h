// The key rule of the dialogs' number boxes: of the characters typed, only the digits 0 to 9 and
// Backspace pass (IsNumericKey); a "-" passes too where a sign is allowed and the box is empty
// or wholly selected. Keys that type no character (arrows, Delete, Tab, Enter) always pass.
#pragma once

class QKeyEvent;
class QLineEdit;

namespace nv {

// True when the key is to be dropped.
bool DropNumericKey(const QKeyEvent& key, const QLineEdit& box, bool signAllowed = false);

// The key rule of an angle box: as a number box, where one "." may follow the whole degrees.
bool DropDecimalKey(const QKeyEvent& key, const QLineEdit& box);

// The key rule of a zone-offset box (hours, or hours:minutes): as a number box with a sign, where
// "+" passes like "-", and one ":" may follow the hours.
bool DropOffsetKey(const QKeyEvent& key, const QLineEdit& box);

}  // namespace nv
