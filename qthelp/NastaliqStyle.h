// The widget style while Urdu is written in a Nastaliq face. Nastaliq sets a word's first letters
// high and reaching back past the start of the width the text measures (a few pixels), so a
// control sized and drawn by that width cuts its first letters off. This style gives each text the
// room its ink needs: controls whose size the style computes (buttons, check boxes, tabs, headers,
// menu items, list and tree items, a frame's title) grow by the text's overhang and draw the text
// that much inward;
// labels keep that room in their margins.
#pragma once

#include <QProxyStyle>

namespace nv {

class NastaliqStyle : public QProxyStyle {
public:
    explicit NastaliqStyle(QStyle* base);

    // How far the text's ink reaches past its measured width at its start and at its end, in
    // pixels (0 when it stays within).
    static int StartOverhang(const QString& text, const QFont& font);
    static int EndOverhang(const QString& text, const QFont& font);
    // The text with blank room at its start at least as wide as its start overhang.
    static QString Padded(const QString& text, const QFont& font);

    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& pal, bool enabled,
                      const QString& text, QPalette::ColorRole textRole = QPalette::NoRole) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contentsSize,
                           const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override;
    void polish(QWidget* widget) override;
    void unpolish(QWidget* widget) override;
    using QProxyStyle::polish;
    using QProxyStyle::unpolish;
};

}  // namespace nv
