#include "frmAbout.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "App.h"
#include "Bidi.h"
#include "QtMsgBox.h"
#include "RegistryStore.h"
#include "VbError.h"

namespace nv {

namespace {

constexpr const char* kUnavailable = QT_TRANSLATE_NOOP("nv::frmAbout", "System Information Is Unavailable At This Time");

// The program's emblem: a crescent and a star on a green disc.
QPixmap emblem(int size) {
    QPixmap pix(size, size);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0x0b, 0x4d, 0x3c));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(0, 0, size, size));
    const double r = size * 0.34;
    const QPointF c(size * 0.46, size * 0.5);
    QPainterPath moon, bite;
    moon.addEllipse(c, r, r);
    bite.addEllipse(c + QPointF(r * 0.42, -r * 0.18), r * 0.86, r * 0.86);
    p.fillPath(moon.subtracted(bite), QColor(0xf2, 0xc9, 0x4c));
    return pix;
}

}  // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    //: %1 is the program's name.
    setWindowTitle(tr("About %1").arg(App::Title()));

    auto* picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(emblem(48));
    picIcon->setAlignment(Qt::AlignTop);

    lblTitle = new QLabel(App::Title(), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    AlignLeading(lblTitle);
    QFont titleFont = lblTitle->font();
    titleFont.setPointSize(titleFont.pointSize() + 6);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);

    lblVersion = new QLabel(App::VersionText(), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    AlignLeading(lblVersion);

    lblDescription = new QLabel(
        tr("Tells you the times of the five daily prayers for your place, shows them as a "
           "calendar with Gregorian or Hijri dates, and alerts you when each prayer is due."),
        this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setWordWrap(true);

    lblDisclaimer = new QLabel(
        tr("The times are computed from the position of the sun for the place and method you "
           "set. Compare them with the timetable of your local mosque."),
        this);
    lblDisclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    lblDisclaimer->setWordWrap(true);
    QFont small = lblDisclaimer->font();
    small.setPointSize(std::max(6, small.pointSize() - 1));
    lblDisclaimer->setFont(small);

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdSysInfo = new QPushButton(tr("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    auto* texts = new QVBoxLayout;
    texts->addWidget(lblTitle);
    texts->addWidget(lblVersion);
    texts->addSpacing(8);
    texts->addWidget(lblDescription);
    texts->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(picIcon);
    top->addSpacing(10);
    top->addLayout(texts, 1);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblDisclaimer, 1);
    bottom->addSpacing(10);
    bottom->addLayout(buttons);

    auto* all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addWidget(line);
    all->addLayout(bottom);
    setFixedWidth(420);
    // Tall enough for the texts wrapped at that width, however long a language makes them.
    setMinimumHeight(heightForWidth(width()));
}

void frmAbout::StartSysInfo() {
    bool started = false;
    resumeNext([&] {
        std::string path;
        if (!GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", path)) {
            std::string folder;
            path.clear();
            if (GetKeyValue(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", folder)) {
                const QString candidate = QString::fromStdString(folder) + QStringLiteral("/MSINFO32.EXE");
                if (QFileInfo::exists(candidate)) path = candidate.toStdString();
            }
        }
        if (!path.empty()) started = QProcess::startDetached(QString::fromStdString(path), {});
    });
    if (!started) MsgBox(tr(kUnavailable), vbOKOnly);
}

bool frmAbout::GetKeyValue(HKEY KeyRoot, const std::string& KeyName, const std::string& SubKeyRef, std::string& KeyVal) {
    bool found = false;
    resumeNext([&] {
        const std::optional<RegData> data = RegistryStore::instance().query(KeyRoot, KeyName, SubKeyRef);
        if (!data) return;
        if (data->type == REG_SZ || data->type == REG_EXPAND_SZ)
            KeyVal = TrimNull(data->bytes);
        else if (data->isDword())
            KeyVal = std::to_string(static_cast<int32_t>(data->dwordValue()));  // the number the hex digits make
        else
            KeyVal = data->bytes;
        found = true;
    });
    return found;
}

}  // namespace nv
