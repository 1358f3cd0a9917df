// The main window's layout: the controls placed in twips of the client area, the tree sized to
// the window as it opens, and the two splitters dragged with the mouse.
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeView>
#include <QTreeWidget>
#include <algorithm>

#include "Bidi.h"
#include "Clock.h"
#include "QtPlacement.h"
#include "Twips.h"
#include "VbError.h"
#include "frmMain.h"

namespace nv {

double frmMain::twipsX(int pixels) const { return pixelsToTwips(pixels, this); }
double frmMain::twipsY(int pixels) const { return pixelsToTwipsY(pixels, this); }
int frmMain::pixelsX(double twips) const { return twipsToPixels(twips, this); }
int frmMain::pixelsY(double twips) const { return twipsToPixelsY(twips, this); }

// A stored tree size leaves room for the splitters' limits in the window as it opens: the
// vertical splitter at least 1000 twips from the right edge, the horizontal one at least 1000
// above the status bar, so the calendar and the clock never vanish for good.
void frmMain::FitTree() {
    const double w = twipsX(width()), h = twipsY(height());
    const double chrome = twipsY(menuBar()->sizeHint().height() + tlbMain->sizeHint().height() +
                                 stbMain->sizeHint().height()) + 60;
    const double maxWidth = std::max(kMinTreeSide, w - 1000 - 25);
    const double maxHeight = std::max(kMinTreeSide, h - chrome - 1000 - 5);
    const double treeW = twipsX(tvwAlertMngr->width()), treeH = twipsY(tvwAlertMngr->height());
    if (treeW > maxWidth) tvwAlertMngr->resize(pixelsX(maxWidth), tvwAlertMngr->height());
    if (treeH > maxHeight) tvwAlertMngr->resize(tvwAlertMngr->width(), pixelsY(maxHeight));
}

void frmMain::ArrangeControls() {
    if (isMinimized()) return;
    const double clientWidth = twipsX(client_->width()), clientHeight = twipsY(client_->height());
    const bool toolbar = !tlbMain->isHidden(), status = !stbMain->isHidden();
    if (toolbar) tlbMain->setGeometry(0, 0, client_->width(), tlbMain->sizeHint().height());
    if (status) {
        const int h = stbMain->sizeHint().height();
        stbMain->setGeometry(0, client_->height() - h, client_->width(), h);
    }
    const double toolbarHeight = toolbar ? twipsY(tlbMain->height()) : 0;
    const double statusHeight = status ? twipsY(stbMain->height()) : 0;

    // Left column: the tree, the horizontal splitter and the clock.
    const double top = toolbar ? toolbarHeight + 60 : 60;
    const double bottom = status ? clientHeight - statusHeight - 50 : clientHeight - 50;
    const double treeWidth = twipsX(tvwAlertMngr->width()), treeHeight = twipsY(tvwAlertMngr->height());
    PlaceMirrored(tvwAlertMngr, QRect(QPoint(pixelsX(20), pixelsY(top)), tvwAlertMngr->size()));
    const double splitTop = top + treeHeight;
    PlaceMirrored(picHSplit, QRect(pixelsX(20), pixelsY(splitTop), pixelsX(treeWidth), picHSplit->height()));
    const double clockTop = splitTop + twipsY(picHSplit->height());
    // The clock: the largest square of the room under the splitter, centred in it, so that it stays round.
    const int roomWidth = pixelsX(treeWidth), roomHeight = std::max(0, pixelsY(bottom - clockTop));
    const int side = std::min(roomWidth, roomHeight);
    PlaceMirrored(picClock, QRect(pixelsX(3) + (roomWidth - side) / 2, pixelsY(clockTop) + (roomHeight - side) / 2,
                                  side, side));

    // Right side: the tab control with the list, and the vertical splitter.
    const double rightBottom = status ? clientHeight - statusHeight + 12 : clientHeight + 12;
    const double tabTop = top + 100, tabLeft = treeWidth + 100;
    const double tabWidth = clientWidth - tabLeft - 25, tabHeight = rightBottom - tabTop;
    PlaceMirrored(tabPrayerCal, QRect(pixelsX(tabLeft), pixelsY(tabTop), std::max(0, pixelsX(tabWidth)),
                              std::max(0, pixelsY(tabHeight))));
    PlaceMirrored(picVSplit, QRect(pixelsX(20 + treeWidth), pixelsY(top), picVSplit->width(),
                           std::max(0, pixelsY(rightBottom - top))));
    lvwCalendar->resize(std::max(0, pixelsX(tabWidth - 250)), std::max(0, pixelsY(tabHeight - 600)));
    PlaceCalendar();
    if (toolbar) tlbMain->raise();
    if (status) stbMain->raise();
}

// The calendar keeps its size in the tab's page, at the page's leading corner.
void frmMain::PlaceCalendar() { PlaceMirrored(lvwCalendar, QRect(QPoint(0, 0), lvwCalendar->size())); }

void frmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    resumeNext([&] { ArrangeControls(); });
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (lvwCalendar && watched == lvwCalendar->parentWidget() && event->type() == QEvent::Resize &&
        layoutDirection() == Qt::RightToLeft)
        PlaceCalendar();
    if (watched == panel("Location") && event->type() == QEvent::MouseButtonDblClick) {
        action("mnuToolsCustomize")->trigger();
        return true;
    }
    auto* splitter = qobject_cast<QFrame*>(watched);
    const QEvent::Type type = event->type();
    const bool mouseEvent =
        type == QEvent::MouseButtonPress || type == QEvent::MouseMove || type == QEvent::MouseButtonRelease;
    if (splitter && (splitter == picHSplit || splitter == picVSplit) && mouseEvent) {
        auto* mouse = static_cast<QMouseEvent*>(event);  // only mouse events come this far
        switch (type) {
        case QEvent::MouseButtonPress:
            if (mouse->button() == Qt::LeftButton) {
                dragging_ = true;
                dragStart_ = mouse->position().toPoint();
                splitterPressed(splitter);
            }
            return true;
        case QEvent::MouseMove:
            if (dragging_ && (mouse->buttons() & Qt::LeftButton))
                splitterMoved(splitter, mouse->position().toPoint() - dragStart_);
            return true;
        case QEvent::MouseButtonRelease:
            if (dragging_ && mouse->button() == Qt::LeftButton) {
                dragging_ = false;
                splitterReleased(splitter);
            }
            return true;
        default: break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::splitterPressed(QFrame* splitter) {
    QPalette p = splitter->palette();
    p.setColor(QPalette::Window, Qt::black);
    splitter->setPalette(p);
}

void frmMain::splitterMoved(QFrame* splitter, const QPoint& offset) {
    if (splitter == picHSplit) splitter->move(splitter->x(), splitter->y() + offset.y());
    else splitter->move(splitter->x() + offset.x(), splitter->y());
}

void frmMain::splitterReleased(QFrame* splitter) {
    splitter->setPalette(QPalette());
    const double clientWidth = twipsX(client_->width()), clientHeight = twipsY(client_->height());
    if (splitter == picHSplit) {
        const double limit = (!stbMain->isHidden() ? clientHeight - twipsY(stbMain->height()) : clientHeight) - 1000;
        double t = twipsY(splitter->y());
        t = std::max(1000.0, std::min(t, limit));
        const double treeHeight = t - twipsY(tvwAlertMngr->y()) - 5;
        if (treeHeight > 0) tvwAlertMngr->resize(tvwAlertMngr->width(), pixelsY(treeHeight));
    } else {
        double l = twipsX(LeftToRightPlace(splitter).x());
        l = std::max(1000.0, std::min(l, clientWidth - 1000));
        const double treeWidth = l - twipsX(LeftToRightPlace(tvwAlertMngr).x()) - 5;
        if (treeWidth > 0) tvwAlertMngr->resize(pixelsX(treeWidth), tvwAlertMngr->height());
    }
    ArrangeControls();
}

}  // namespace nv
