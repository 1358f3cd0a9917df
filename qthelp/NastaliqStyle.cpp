#include "NastaliqStyle.h"

#include <QApplication>
#include <QGlyphRun>
#include <QHash>
#include <QLabel>
#include <QPainter>
#include <QRawFont>
#include <QStyleOption>
#include <QTextLayout>
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

// The ink past the text's measured width at its left and at its right: the union of its glyphs'
// boxes where the shaping put them (the face's own text box does not follow the letters' cascade).
// Kept for each face and text.
std::pair<int, int> inkPast(const QString& text, const QFont& font) {
    const QString shown = shownText(text);
    // Only the Arabic script's letters reach out (digits and Latin letters come from another face).
    if (std::none_of(shown.begin(), shown.end(), [](QChar c) { return c.unicode() >= 0x0600 && c.unicode() <= 0x06FF; }))
        return {0, 0};
    static QHash<QString, std::pair<int, int>> known;
    const QString key = font.key() + QLatin1Char('\n') + shown;
    if (auto it = known.constFind(key); it != known.constEnd()) return *it;
    QTextLayout layout(shown, font);
    QTextOption option;
    option.setTextDirection(shown.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setNumColumns(shown.size());
    layout.endLayout();
    QRectF ink;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QRawFont raw = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i) ink |= raw.boundingRect(glyphs[i]).translated(positions[i]);
    }
    const double left = line.x(), right = line.x() + line.naturalTextWidth();
    const std::pair<int, int> past =
        ink.isEmpty() ? std::pair{0, 0}
                      : std::pair{std::max(0, int(std::ceil(left - ink.left()))), std::max(0, int(std::ceil(ink.right() - right)))};
    if (known.size() > 4096) known.clear();
    known.insert(key, past);
    return past;
}

// The farthest a word's first letter reaches past its start in this face: Noto Nastaliq's گ and ک,
// 11 pixels at 12 pixels to the em (measured over every letter as a word's first).
int widestOverhang(const QFont& font) { return (QFontInfo(font).pixelSize() * 11 + 11) / 12; }

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

// Only a text's first and last words reach past its ends: each is measured alone, which is quicker
// and shared by many texts.
int NastaliqStyle::StartOverhang(const QString& text, const QFont& font) {
    const QString shown = shownText(text);
    const auto [left, right] = inkPast(shown.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty), font);
    return shown.isRightToLeft() ? right : left;
}

int NastaliqStyle::EndOverhang(const QString& text, const QFont& font) {
    const QString shown = shownText(text);
    const auto [left, right] = inkPast(shown.section(QLatin1Char(' '), -1, -1, QString::SectionSkipEmpty), font);
    return shown.isRightToLeft() ? left : right;
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
