// Helpers of the dialog tests. ScopedPickers answers the common dialogs (file, colour, printer) for a test, in the order they are asked,
// and tells what each was asked with. Unanswered requests are cancelled.
#pragma once

#include <QLineEdit>
#include <QPrinter>
#include <QTest>
#include <QString>
#include <deque>
#include <optional>
#include <vector>

#include "Pickers.h"

namespace nv::test {

// Replaces a box's text as the user does: everything selected, then the keys typed (no keys:
// Backspace).
inline void retype(QLineEdit* box, const QString& keys) {
    box->selectAll();
    if (keys.isEmpty()) QTest::keyClick(box, Qt::Key_Backspace);
    else QTest::keyClicks(box, keys);
}

class ScopedPickers {
public:
    ScopedPickers() {
        previousOpen_ = setOpenPicker([this](QWidget*, const QString& filter) {
            filters.push_back(filter);
            if (files.empty()) return QString();
            const QString f = files.front();
            files.pop_front();
            return f;
        });
        previousColor_ = setColorPicker([this](QWidget*, int32_t current) -> std::optional<int32_t> {
            colorStarts.push_back(current);
            if (colors.empty()) return std::nullopt;
            const std::optional<int32_t> c = colors.front();
            colors.pop_front();
            return c;
        });
    }
    ~ScopedPickers() {
        setOpenPicker(previousOpen_);
        setColorPicker(previousColor_);
    }

    std::deque<QString> files;                  // answers of the file dialog ("" = cancel)
    std::deque<std::optional<int32_t>> colors;  // answers of the colour dialog (none = cancel)
    std::vector<QString> filters;               // what the file dialog was shown with
    std::vector<int32_t> colorStarts;           // the colours the colour dialog started from

private:
    OpenPicker previousOpen_;
    ColorPicker previousColor_;
};

}  // namespace nv::test
