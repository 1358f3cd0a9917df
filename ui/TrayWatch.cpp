#include "TrayWatch.h"

#include <QSystemTrayIcon>
#include <QTimer>

namespace nv {

std::function<bool()>& TrayWatch::Source() {
    static std::function<bool()> source = [] { return QSystemTrayIcon::isSystemTrayAvailable(); };
    return source;
}

TrayWatch::TrayWatch(QObject* parent, int intervalMs) : QObject(parent) {
    available_ = Source()();
    timer_ = new QTimer(this);
    timer_->setInterval(intervalMs);
    connect(timer_, &QTimer::timeout, this, &TrayWatch::Poll);
    timer_->start();
}

void TrayWatch::Poll() {
    const bool now = Source()();
    if (now == available_) return;
    available_ = now;
    emit changed(now);
}

}  // namespace nv
