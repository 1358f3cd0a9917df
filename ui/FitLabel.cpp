#include "FitLabel.h"

#include <QFontMetricsF>
#include <algorithm>
#include <QPainter>
#include <QStyle>

namespace nv {

namespace {
bool fitsIn(const QFont& font, const QString& text, qreal width) {
    return QFontMetricsF(font).horizontalAdvance(text) <= width;
}
}  // namespace

QFont FitLabel::fittedFont() const {
    QFont f = font();
    const qreal width = contentsRect().width();
    qreal size = f.pointSizeF();
    if (size <= 0) return f;  // a pixel-sized font is left as it is
    while (!fitsIn(f, text(), width) && size > kMinPointSize) {
        size = std::max(kMinPointSize, size - 0.5);
        f.setPointSizeF(size);
    }
    return f;
}

QString FitLabel::shownText() const {
    return QFontMetricsF(fittedFont()).elidedText(text(), Qt::ElideRight, contentsRect().width());
}

void FitLabel::paintEvent(QPaintEvent*) {
    const QFont f = fittedFont();
    const QString shown = QFontMetricsF(f).elidedText(text(), Qt::ElideRight, contentsRect().width());
    const QString tip = f == font() && shown == text() ? QString() : text();
    if (toolTip() != tip) setToolTip(tip);
    QPainter painter(this);
    painter.setFont(f);
    style()->drawItemText(&painter, contentsRect(), static_cast<int>(alignment()), palette(), isEnabled(), shown,
                          foregroundRole());
}

}  // namespace nv
