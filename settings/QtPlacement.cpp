#include "QtPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace nv {

namespace {
constexpr double kTwipsPerInch = 1440;

QScreen* screenOf(const QWidget& w) {
    QScreen* s = w.screen();
    return s ? s : QGuiApplication::primaryScreen();
}

int pixels(double twips, double dpi) { return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch)); }
double twips(int pixels, double dpi) { return pixels * kTwipsPerInch / dpi; }
}  // namespace

double QtPlaceable::dpiX() const {
    QScreen* s = screenOf(widget_);
    return s && s->logicalDotsPerInchX() > 0 ? s->logicalDotsPerInchX() : 96.0;
}

double QtPlaceable::dpiY() const {
    QScreen* s = screenOf(widget_);
    return s && s->logicalDotsPerInchY() > 0 ? s->logicalDotsPerInchY() : 96.0;
}

std::string QtPlaceable::name() const { return widget_.objectName().toStdString(); }
double QtPlaceable::top() const { return twips(widget_.y(), dpiY()); }
double QtPlaceable::left() const { return twips(widget_.x(), dpiX()); }
double QtPlaceable::width() const { return twips(widget_.width(), dpiX()); }
double QtPlaceable::height() const { return twips(widget_.height(), dpiY()); }
void QtPlaceable::setTop(double t) { widget_.move(widget_.x(), pixels(t, dpiY())); }
void QtPlaceable::setLeft(double t) { widget_.move(pixels(t, dpiX()), widget_.y()); }
void QtPlaceable::setWidth(double t) { widget_.resize(pixels(t, dpiX()), widget_.height()); }
void QtPlaceable::setHeight(double t) { widget_.resize(widget_.width(), pixels(t, dpiY())); }

WindowState QtPlaceable::windowState() const {
    if (!widget_.isWindow()) return WindowState::Normal;
    const Qt::WindowStates s = widget_.windowState();
    if (s & Qt::WindowMinimized) return WindowState::Minimized;
    if (s & (Qt::WindowMaximized | Qt::WindowFullScreen)) return WindowState::Maximized;
    return WindowState::Normal;
}

double QtPlaceable::screenWidth() const {
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? twips(s->geometry().width(), dpiX()) : 0;
}

double QtPlaceable::screenHeight() const {
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? twips(s->geometry().height(), dpiY()) : 0;
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
