// Text in two directions. A prayer name the user typed in Arabic, Urdu or Persian sits inside
// our English sentences; set apart by the first-strong isolate (U+2068) and the pop directional
// isolate (U+2069), it keeps its own right-to-left order and leaves the sentence's order (and its
// full stop) where they belong. A name written only left to right needs no marks and gets none
// (some window managers draw them as boxes in a caption).
#pragma once

#include <QGuiApplication>
#include <QLabel>
#include <QString>
#include <QStyle>
#include <QWidget>

namespace nv {

inline QString Isolate(const QString& name) {
    for (const QChar c : name) {
        const QChar::Direction d = c.direction();
        if (d == QChar::DirR || d == QChar::DirAL || d == QChar::DirRLE || d == QChar::DirRLO || d == QChar::DirRLI)
            return QChar(0x2068) + name + QChar(0x2069);
    }
    return name;
}

// A time or a date as a row, a panel or a sentence shows it: in a program laid out right to left
// it is set apart (first-strong isolate), so "05:12 AM" or "Jun 21 Fri" keeps its own order
// inside the mirrored row; elsewhere only a text written right to left is set apart (Isolate).
inline QString KeepOwnOrder(const QString& text) {
    if (QGuiApplication::layoutDirection() == Qt::RightToLeft && !text.isEmpty())
        return QChar(0x2068) + text + QChar(0x2069);
    return Isolate(text);
}

// A widget placed by hand takes, in a window laid out right to left, the mirror image in its
// parent of the place `leftToRight` it has when the window reads left to right.
inline void PlaceMirrored(QWidget* child, const QRect& leftToRight) {
    child->setGeometry(QStyle::visualRect(child->layoutDirection(), child->parentWidget()->rect(), leftToRight));
}
// Where a widget placed by PlaceMirrored would be when the window reads left to right.
inline QRect LeftToRightPlace(const QWidget* child) {
    return QStyle::visualRect(child->layoutDirection(), child->parentWidget()->rect(), child->geometry());
}

// A label starts where its window's lines start, even when its own text reads the other way
// ("Noorvale" in a window that reads right to left); Qt would otherwise align it by its text.
inline void AlignLeading(QLabel* label) {
    label->setAlignment(QStyle::visualAlignment(label->layoutDirection(), label->alignment()));
}

}  // namespace nv
