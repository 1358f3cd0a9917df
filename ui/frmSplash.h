// frmSplash: the window shown while Noorvale starts. It shows the program's version and a
// progress bar, rctStatusBar, that start-up widens in quarters of its full width (3480 twips).
// A double click anywhere closes it at once; it deletes itself when closed, so its owner keeps
// it in a QPointer.
#pragma once

#include <QWidget>

class QFrame;
class QLabel;

namespace nv {

class frmSplash : public QWidget {
    Q_OBJECT

public:
    static constexpr int kStatusBarFullWidth = 3480;  // twips

    explicit frmSplash(QWidget* parent = nullptr);

    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QFrame* rctStatusBar = nullptr;

    // The progress bar's width in twips (0 to the full width).
    int StatusBarWidth() const { return statusTwips_; }
    void StatusBarWidth(int twips);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int statusTwips_ = 0;
};

}  // namespace nv
