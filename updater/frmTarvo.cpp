#include "frmTarvo.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QProcess>
#include <QPushButton>

#include <cstdio>
#include <cstdlib>

#include "Bidi.h"
#include "MsgBox.h"
#include "UpdaterApp.h"
#include "VbConv.h"
#include "VbError.h"
#include "modTarvo.h"

namespace nv {

namespace {

std::function<void()>& programEnd() {
    static std::function<void()> end = [] {
        std::fflush(nullptr);
        std::_Exit(0);
    };
    return end;
}

// The status pictures beside the step names.
QPixmap statusPicture(frmTarvo::StepState state, Qt::LayoutDirection direction) {
    QPixmap pm(18, 18);
    pm.fill(Qt::transparent);
    if (state == frmTarvo::StepState::None) return pm;
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    if (state == frmTarvo::StepState::Working) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x1f, 0x5f, 0xbf));
        // The arrow points the way the text reads.
        const bool rtl = direction == Qt::RightToLeft;
        const QPointF arrow[] = {{rtl ? 14.0 : 4.0, 3}, {rtl ? 3.0 : 15.0, 9}, {rtl ? 14.0 : 4.0, 15}};
        p.drawPolygon(arrow, 3);
    } else if (state == frmTarvo::StepState::OK) {
        p.setPen(QPen(QColor(0x1a, 0x8f, 0x2a), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPointF tick[] = {{3, 9.5}, {7.5, 14}, {15, 4}};
        p.drawPolyline(tick, 3);
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xc8, 0x1e, 0x1e));
        p.drawEllipse(QRectF(1, 1, 16, 16));
        p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(6, 6), QPointF(12, 12));
        p.drawLine(QPointF(12, 6), QPointF(6, 12));
    }
    return pm;
}

}  // namespace

void frmTarvo::setProgramEnd(std::function<void()> end) { programEnd() = std::move(end); }

frmTarvo::frmTarvo(QWidget* parent) : QWidget(parent) {
    setObjectName("frmTarvo");
    setWindowTitle(tr("Tarvo Updates"));
    setFixedSize(440, 300);

    lblTitle = new QLabel(tr("Software Updates"), this);
    QFont big = lblTitle->font();
    big.setPointSizeF(big.pointSizeF() * 1.35);
    big.setBold(true);
    lblTitle->setFont(big);
    Place(lblTitle, 16, 12, 408, 26);
    lblTitle2 = new QLabel(tr("Please wait while Tarvo updates your software."), this);
    Place(lblTitle2, 16, 40, 408, 20);

    const QString steps[] = {tr("Connecting to the Internet"), tr("Looking for software updates"), tr("Retrieving updates"),
                             tr("Installing updates")};
    for (int i = 0; i < 4; ++i) {
        imgMsg[static_cast<size_t>(i)] = new QLabel(this);
        Place(imgMsg[static_cast<size_t>(i)], 36, 74 + i * 26, 18, 18);
        lblMsg[static_cast<size_t>(i)] = new QLabel(steps[i], this);
        Place(lblMsg[static_cast<size_t>(i)], 62, 73 + i * 26, 340, 20);
    }

    lblMessage = new QLabel(tr("Processing, Please wait..."), this);
    Place(lblMessage, 16, 178, 408, 52);  // three lines: a failure and its cause
    lblMessage->setWordWrap(true);
    lblMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    lblProgBar = new QLabel(this);
    Place(lblProgBar, 16, 234, 408, 16);
    lblProgBar->setStyleSheet("QLabel { background: #ffffff; border: 1px solid #7a7a7a; }");
    lblProgress = new QLabel(lblProgBar);
    lblProgress->setStyleSheet("QLabel { background: #1f5fbf; border: none; }");

    // Said once an unsigned update has been read: nothing vouches for where it came from.
    lblUnsigned = new QLabel(this);
    Place(lblUnsigned, 16, 260, 316, 30);
    lblUnsigned->setWordWrap(true);
    lblUnsigned->setStyleSheet("QLabel { color: #a33a00; }");
    lblUnsigned->hide();

    cmdAction = new QPushButton(tr("Cancel"), this);
    Place(cmdAction, 340, 260, 84, 30);
    connect(cmdAction, &QPushButton::clicked, this, [this] { cmdAction_Click(); });

    Form_Load();
}

frmTarvo::~frmTarvo() = default;

void frmTarvo::Form_Load() {
    run_ = std::make_unique<UpdateRun>(static_cast<UpdateDisplay&>(*this));
    SetProgress(1);
    //: The window title; %1 is the product that is updated (Noorvale).
    setWindowTitle(tr("ORVEN Tarvo for %1").arg(QString::fromStdString(ProductName)));
    //: %1 is the product that is updated (Noorvale).
    lblTitle->setText(tr("%1 Software Updates").arg(QString::fromStdString(ProductName)));
}

QString frmTarvo::message() const { return lblMessage->text(); }
QString frmTarvo::actionCaption() const { return cmdAction->text(); }
int frmTarvo::progressWidth() const { return lblProgress->width(); }
int frmTarvo::progressFullWidth() const { return lblProgBar->width(); }

void frmTarvo::SetMessage(const std::string& text) {
    lblMessage->setText(QString::fromStdString(text));
    lblMessage->update();
}

void frmTarvo::Place(QWidget* child, int x, int y, int width, int height) {
    PlaceMirrored(child, QRect(x, y, width, height));
}

void frmTarvo::SetProgress(int width) {
    Place(lblProgress, 0, 0, std::max(width, 0), lblProgBar->height());
}

void frmTarvo::SetStep(int i, StepState state) {
    stepState_.at(static_cast<size_t>(i)) = state;
    imgMsg.at(static_cast<size_t>(i))->setPixmap(statusPicture(state, layoutDirection()));
}

QString frmTarvo::StepName(int i) const { return lblMsg.at(static_cast<size_t>(i))->text(); }

void frmTarvo::TarvoUpdate() {
    int last = 0;
    const bool ok = run_->Run(last);
    if (run_->selfUpdatePending() && unloaded_) return;  // Quenlo took over
    canCancel_ = false;
    cmdAction->setText(tr("Finish"));
    if (ok) {
        SetMessage(tr("Tarvo has completed the update.").toStdString());
    } else {
        cmdAction->setText(tr("Done"));
        for (int j = last; j <= 3; ++j) SetStep(j, StepState::Error);
    }
    SetProgress(static_cast<int>(intDiv(static_cast<int64_t>(progressFullWidth()) * 99, int64_t{100})));
}

void frmTarvo::ShowUnsigned() {
    const QString text = tr("This update is not signed.");
    lblUnsigned->setText(text);
    lblUnsigned->show();
    std::fprintf(stderr, "Tarvo: %s\n", text.toStdString().c_str());
}

void frmTarvo::HandOverStarts() {
    canCancel_ = false;
    cmdAction->setText(tr("Skip"));
}

void frmTarvo::HandOverEnds() { close(); }

bool frmTarvo::Form_QueryUnload() {
    if (!canCancel_) return true;
    return MsgBox(tr("Are you sure you want to cancel the Tarvo update?").toStdString(), vbQuestion + vbYesNo, "Tarvo") == vbYes;
}

void frmTarvo::closeEvent(QCloseEvent* event) {
    if (unloaded_ || !Form_QueryUnload()) {
        event->ignore();
        return;
    }
    event->accept();
    Form_Unload();
}

void frmTarvo::Form_Unload() {
    unloaded_ = true;
    ErrorBoxTrap trap("Tarvo.frmTarvo.Form_Unload");
    if (!run_->selfUpdatePending() && FileExists(MainProgramPath))
        trap(__LINE__, [&] { QProcess::startDetached(QString::fromStdString(MainProgramPath), {}); });
    resumeNext([&] { run_->ClearFileList(); });
    programEnd()();
}

void frmTarvo::cmdAction_Click() { close(); }

}  // namespace nv
