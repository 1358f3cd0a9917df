// A one-line label that always shows its whole text: a text wider than the label at its font is
// drawn in a smaller font, down to kMinPointSize; only a text that is too wide even then is cut
// with "…". A text that is not drawn at the label's own font is also the label's tool tip.
#pragma once

#include <QFont>
#include <QLabel>

namespace nv {

class FitLabel : public QLabel {
public:
    using QLabel::QLabel;

    static constexpr qreal kMinPointSize = 6;

    // The font the text is drawn in (the label's own when it fits).
    QFont fittedFont() const;
    // The text as drawn: whole, or cut with "…" when even the smallest font is too wide.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace nv
