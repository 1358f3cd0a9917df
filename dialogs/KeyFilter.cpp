#include "KeyFilter.h"

#include <QKeyEvent>
#include <QLineEdit>

#include "modMathLib.h"

namespace nv {

bool DropNumericKey(const QKeyEvent& key, const QLineEdit& box, bool signAllowed) {
    const QString typed = key.text();
    if (typed.size() != 1 || !(typed[0].isPrint() || typed[0] == QChar(8))) return false;
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;  // shortcuts
    const char16_t c = typed[0].unicode();
    if (signAllowed && c == '-') return !(box.text().isEmpty() || box.selectedText() == box.text());
    return !(c < 0x80 && IsNumericKey(static_cast<int16_t>(c)));
}

bool DropDecimalKey(const QKeyEvent& key, const QLineEdit& box) {
    if (key.text() == ".") return box.text().contains('.') && box.selectedText() != box.text();
    return DropNumericKey(key, box);
}

bool DropOffsetKey(const QKeyEvent& key, const QLineEdit& box) {
    const QString typed = key.text();
    if (typed == ":") return box.text().contains(':') || box.text().isEmpty();
    if (typed == "+") return !(box.text().isEmpty() || box.selectedText() == box.text());
    return DropNumericKey(key, box, true);
}

}  // namespace nv
