// Colours as the settings store keeps them: Windows COLORREF numbers 0x00BBGGRR (255 is red,
// 0xFF0000 is blue), and the contrast rule that keeps a text or hand colour visible on its
// background.
#pragma once

#include <QColor>
#include <cstdint>

namespace nv {

// The screen colour of a COLORREF number (the top byte is ignored).
QColor colorFromRef(int32_t ref);
// The COLORREF number of a screen colour.
int32_t refFromColor(const QColor& color);

// The colour actually used for `fore` on `back`: `fore` itself, unless it equals `back`; then
// |back| integer-divided by 0xFFFFFF, or 0xFFFFFF when that gives 0. So white on white becomes
// colour 1 (nearly black) and anything else on itself becomes white.
int32_t contrastColor(int32_t fore, int32_t back);

}  // namespace nv
