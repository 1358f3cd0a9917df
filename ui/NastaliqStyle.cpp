#include "NastaliqStyle.h"

#include <QApplication>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QStyleOption>
#include <algorithm>
#include <cmath>

namespace nv {

namespace {

constexpr QChar kThinSpace(0x2009);
const char* const kRoomSet = "nvNastaliqRoom";  // a label whose margins this style set

// The text as drawn: without its mnemonic marks, and a menu item's shortcut left out.
QString shownText(const QString& text) {
    QString shown = text.section(QLatin1Char('\t'), 0, 0);
    shown.replace(QLatin1String("&&"), QString(QChar(0xE000)));
    shown.remove(QLatin1Char('&'));
    shown.replace(QChar(0xE000), QLatin1Char('&'));
    return shown;
}

// The ink past the text's measured width at its left and at its right, found by drawing it (the
// face's glyph boxes do not follow the letters' cascade). Kept for each face and text.
std::pair<int, int> inkPast(const QString& text, const QFont& font) {
    const QString shown = shownText(text);
    if (shown.isEmpty()) return {0, 0};
    static QHash<QString, std::pair<int, int>> known;
    const QString key = font.key() + QLatin1Char('\n') + shown;
    if (auto it = known.constFind(key); it != known.constEnd()) return *it;
    const QFontMetrics metrics(font);
    const int advance = metrics.horizontalAdvance(shown), height = metrics.height(), margin = 2 * height;
    QImage image(advance + 2 * margin, 3 * height, QImage::Format_Alpha8);
    image.fill(0);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setLayoutDirection(shown.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    painter.drawText(QPoint(margin, height + metrics.ascent()), shown);
    painter.end();
    int left = image.width(), right = -1;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x)
            if (line[x] != 0) left = std::min(left, x), right = std::max(right, x);
    }
    const std::pair<int, int> past =
        right < 0 ? std::pair{0, 0} : std::pair{std::max(0, margin - left), std::max(0, right + 1 - margin - advance)};
    if (known.size() > 4096) known.clear();
    known.insert(key, past);
    return past;
}

// The largest start overhang of a word in this face: each letter as a word's first.
int widestOverhang(const QFont& font) {
    static QHash<QString, int> known;
    if (auto it = known.constFind(font.key()); it != known.constEnd()) return *it;
    int widest = 0;
    for (const QChar letter : QStringLiteral("ابپتٹثجچحخدڈذرڑزژسشصضطظعغفقکگلمنوہھءیے"))
        widest = std::max(widest, NastaliqStyle::StartOverhang(QString(letter) + QStringLiteral("س"), font));
    known.insert(font.key(), widest);
    return widest;
}

// The extra width a text needs beyond its measured width: the room Padded adds at its start and
// its ink past its end.
int extraWidth(const QString& text, const QFont& font) {
    const int end = NastaliqStyle::EndOverhang(text, font);
    if (NastaliqStyle::StartOverhang(text, font) == 0 && end == 0) return 0;
    const QString shown = shownText(text);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(NastaliqStyle::Padded(shown, font)) - metrics.horizontalAdvance(shown) + end;
}

QFont fontOf(const QWidget* widget) { return widget ? widget->font() : QApplication::font(); }

}  // namespace

NastaliqStyle::NastaliqStyle(QStyle* base) : QProxyStyle(base) {}

int NastaliqStyle::StartOverhang(const QString& text, const QFont& font) {
    const auto [left, right] = inkPast(text, font);
    return shownText(text).isRightToLeft() ? right : left;
}

int NastaliqStyle::EndOverhang(const QString& text, const QFont& font) {
    const auto [left, right] = inkPast(text, font);
    return shownText(text).isRightToLeft() ? left : right;
}

QString NastaliqStyle::Padded(const QString& text, const QFont& font) {
    const int overhang = StartOverhang(text, font);
    if (overhang == 0) return text;
    const int space = std::max(1, QFontMetrics(font).horizontalAdvance(kThinSpace));
    return QString(static_cast<int>(std::ceil(double(overhang) / space)), kThinSpace) + text;
}

void NastaliqStyle::drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& pal, bool enabled,
                                 const QString& text, QPalette::ColorRole textRole) const {
    // Moved inward only where the rectangle has the room: a label keeps its room in its margins.
    const QString padded = Padded(text, painter->font());
    const bool room = padded != text && rect.width() >= painter->fontMetrics().horizontalAdvance(shownText(padded));
    QProxyStyle::drawItemText(painter, rect, flags, pal, enabled, room ? padded : text, textRole);
}

QSize NastaliqStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contentsSize,
                                      const QWidget* widget) const {
    QString text;
    if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option)) text = button->text;
    else if (const auto* tool = qstyleoption_cast<const QStyleOptionToolButton*>(option)) {
        if (tool->toolButtonStyle != Qt::ToolButtonIconOnly) text = tool->text;
    } else if (const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option)) text = tab->text;
    else if (const auto* header = qstyleoption_cast<const QStyleOptionHeader*>(option)) text = header->text;
    else if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) text = item->text;
    else if (const auto* view = qstyleoption_cast<const QStyleOptionViewItem*>(option)) {
        QStyleOptionViewItem padded(*view);  // measured as it is drawn
        padded.text = Padded(view->text, view->font);
        return QProxyStyle::sizeFromContents(type, &padded, contentsSize, widget);
    }
    const int extra = text.isEmpty() ? 0 : extraWidth(text, fontOf(widget));
    return QProxyStyle::sizeFromContents(type, option, contentsSize + QSize(extra, 0), widget);
}

void NastaliqStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const {
    // Menu items and list and tree items draw their text themselves, not as an item text.
    if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option); item && element == CE_MenuItem) {
        QStyleOptionMenuItem padded(*item);
        padded.text = Padded(item->text, fontOf(widget));
        return QProxyStyle::drawControl(element, &padded, painter, widget);
    }
    if (const auto* view = qstyleoption_cast<const QStyleOptionViewItem*>(option); view && element == CE_ItemViewItem) {
        QStyleOptionViewItem padded(*view);
        padded.text = Padded(view->text, view->font);
        return QProxyStyle::drawControl(element, &padded, painter, widget);
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

QRect NastaliqStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                                   const QWidget* widget) const {
    QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || part != SC_GroupBoxLabel || !box) return rect;
    const int extra = extraWidth(box->text, fontOf(widget));  // toward the frame's inside
    if (option->direction == Qt::RightToLeft) rect.setLeft(rect.left() - extra);
    else rect.setRight(rect.right() + extra);
    return rect;
}

void NastaliqStyle::polish(QWidget* widget) {
    QProxyStyle::polish(widget);
    // A label's text may start at either side: room for the ink at both.
    auto* label = qobject_cast<QLabel*>(widget);
    if (!label || !label->contentsMargins().isNull()) return;
    const int room = widestOverhang(label->font());
    label->setContentsMargins(room, 0, room, 0);
    label->setProperty(kRoomSet, true);
}

void NastaliqStyle::unpolish(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget); label && label->property(kRoomSet).toBool()) {
        label->setContentsMargins(0, 0, 0, 0);
        label->setProperty(kRoomSet, QVariant());
    }
    QProxyStyle::unpolish(widget);
}

}  // namespace nv
