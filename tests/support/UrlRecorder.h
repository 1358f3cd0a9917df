// Takes the addresses the program hands to the desktop (web pages, the help file) for one
// scheme each, instead of a browser, for as long as it lives.
#pragma once

#include <QDesktopServices>
#include <QObject>
#include <QStringList>
#include <QUrl>

namespace nv::test {

class UrlRecorder : public QObject {
    Q_OBJECT

public:
    explicit UrlRecorder(const QStringList& schemes = {"http", "https", "file"}) : schemes_(schemes) {
        for (const QString& s : schemes_) QDesktopServices::setUrlHandler(s, this, "open");
    }
    ~UrlRecorder() override {
        for (const QString& s : schemes_) QDesktopServices::unsetUrlHandler(s);
    }
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }

private:
    QStringList schemes_;
};

}  // namespace nv::test
