#include "QtPlacement.h"

#include <algorithm>

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "Twips.h"

namespace nv {

std::string QtPlaceable::name() const { return widget_.objectName().toStdString(); }
double QtPlaceable::top() const { return pixelsToTwipsY(widget_.y(), &widget_); }
double QtPlaceable::left() const { return pixelsToTwips(widget_.x(), &widget_); }
double QtPlaceable::width() const { return pixelsToTwips(widget_.width(), &widget_); }
double QtPlaceable::height() const { return pixelsToTwipsY(widget_.height(), &widget_); }
void QtPlaceable::setTop(double t) { widget_.move(widget_.x(), twipsToPixelsY(t, &widget_)); }
void QtPlaceable::setLeft(double t) { widget_.move(twipsToPixels(t, &widget_), widget_.y()); }
void QtPlaceable::setWidth(double t) { widget_.resize(twipsToPixels(t, &widget_), widget_.height()); }
void QtPlaceable::setHeight(double t) { widget_.resize(widget_.width(), twipsToPixelsY(t, &widget_)); }

WindowState QtPlaceable::windowState() const {
    if (!widget_.isWindow()) return WindowState::Normal;
    const Qt::WindowStates s = widget_.windowState();
    if (s & Qt::WindowMinimized) return WindowState::Minimized;
    if (s & (Qt::WindowMaximized | Qt::WindowFullScreen)) return WindowState::Maximized;
    return WindowState::Normal;
}

double QtPlaceable::screenWidth() const {
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? pixelsToTwips(s->geometry().width(), &widget_) : 0;
}

double QtPlaceable::screenHeight() const {
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? pixelsToTwipsY(s->geometry().height(), &widget_) : 0;
}

TwipsRect QtPlaceable::workArea() const {
    QScreen* s = QGuiApplication::primaryScreen();
    if (!s) return Placeable::workArea();
    const QRect a = s->availableGeometry();
    return {pixelsToTwips(a.x(), &widget_), pixelsToTwipsY(a.y(), &widget_), pixelsToTwips(a.width(), &widget_),
            pixelsToTwipsY(a.height(), &widget_)};
}

double QtPlaceable::frameWidth() const {
    if (!widget_.isWindow()) return 0;
    return pixelsToTwips(widget_.frameGeometry().width() - widget_.width(), &widget_);
}

double QtPlaceable::frameHeight() const {
    if (!widget_.isWindow()) return 0;
    return pixelsToTwipsY(widget_.frameGeometry().height() - widget_.height(), &widget_);
}

void KeepOnWorkArea(QWidget& window) {
    QScreen* s = QGuiApplication::primaryScreen();
    if (!s || !window.isWindow() || !window.isVisible() || window.windowState() != Qt::WindowNoState) return;
    const QRect area = s->availableGeometry();
    const QRect frame = window.frameGeometry();
    const QSize extra = frame.size() - window.size();
    const QSize size = window.size().boundedTo(area.size() - extra);
    if (size != window.size()) window.resize(size);
    const QSize outer = size + extra;
    const QPoint at(std::max(area.left(), std::min(frame.x(), area.left() + area.width() - outer.width())),
                    std::max(area.top(), std::min(frame.y(), area.top() + area.height() - outer.height())));
    if (at != frame.topLeft()) window.move(at);
}

namespace {
template <void (*Routine)(Placeable&, std::string&)>
void onWidget(QWidget& widget, const std::string& name) {
    QtPlaceable placed(widget);
    std::string n = name;
    Routine(placed, n);
}
template <void (*Routine)(const Placeable&, std::string&)>
void fromWidget(QWidget& widget, const std::string& name) {
    const QtPlaceable placed(widget);
    std::string n = name;
    Routine(placed, n);
}
}  // namespace

void LoadFormPos(QWidget& form, const std::string& name) { onWidget<LoadFormPos>(form, name); }
void SaveFormPos(QWidget& form, const std::string& name) { fromWidget<SaveFormPos>(form, name); }
void LoadFormSize(QWidget& form, const std::string& name) { onWidget<LoadFormSize>(form, name); }
void SaveFormSize(QWidget& form, const std::string& name) { fromWidget<SaveFormSize>(form, name); }
void LoadCtlPos(QWidget& control, const std::string& name) { onWidget<LoadCtlPos>(control, name); }
void SaveCtlPos(QWidget& control, const std::string& name) { fromWidget<SaveCtlPos>(control, name); }
void LoadCtlSize(QWidget& control, const std::string& name) { onWidget<LoadCtlSize>(control, name); }
void SaveCtlSize(QWidget& control, const std::string& name) { fromWidget<SaveCtlSize>(control, name); }

}  // namespace nv
