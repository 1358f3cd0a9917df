// Hands a web address to the desktop, which opens it in the user's browser.
#pragma once

#include <QString>
#include <cstdint>

class QWidget;

namespace nv {

// The show command every caller passes (a normal, shown window).
inline constexpr int32_t SW_SHOW = 5;

// Opens `address` with the desktop's handler for it; what happens then is not examined, and a
// failure is not reported. `owner` and `showCommand` are kept for the callers' sake: the desktop
// decides where the browser's window appears.
void OpenURL(QWidget* owner, const QString& address, int32_t showCommand);

}  // namespace nv
