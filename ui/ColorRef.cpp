#include "ColorRef.h"

#include <cstdlib>

namespace nv {

QColor colorFromRef(int32_t ref) {
    const auto v = static_cast<uint32_t>(ref);
    return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>((v >> 16) & 0xFF));
}

int32_t refFromColor(const QColor& color) {
    const QColor c = color.toRgb();
    return static_cast<int32_t>(static_cast<uint32_t>(c.red()) | (static_cast<uint32_t>(c.green()) << 8) |
                                (static_cast<uint32_t>(c.blue()) << 16));
}

int32_t contrastColor(int32_t fore, int32_t back) {
    if (fore != back) return fore;
    const int64_t magnitude = std::llabs(static_cast<int64_t>(back));
    const auto used = static_cast<int32_t>(magnitude / 0xFFFFFF);
    return used == 0 ? 0xFFFFFF : used;
}

}  // namespace nv
