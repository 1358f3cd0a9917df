#include "frmOptions.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

#include "CalendarProps.h"
#include "Clock.h"
#include "ColorRef.h"
#include "DialogOwner.h"
#include "FormatDate.h"
#include "Pickers.h"
#include "QtMsgBox.h"
#include "VbConv.h"
#include "VbError.h"
#include "frmCompact.h"
#include "modDateLib.h"
#include "modMathLib.h"
#include "modNoorvale.h"
#include "modRegistry.h"

namespace nv {

namespace {

const char* const kPictureFilter =
    "All Supported Files|*.bmp;*.jpg;*.gif;*.wmf;*.emf;*.jpe|Windows Bitmap (*.bmp)|*.bmp|Joint Photographic Experts "
    "Group (*.jpg)|*.jpg|Graphics Interchange Format (*.gif)|*.gif|Icon Files (*.ico)|*.ico|Cursors (*.cur)|*.cur|"
    "Windows Metafiles (*.wmf)|*.wmf;*.emf|Enhanced Metafiles (*.emf)|*.emf|All Files |*.*";
const char* const kViews[] = {"Normal View", "Compact View", "System Tray only", "Last View Used"};
constexpr int32_t kMaxUpdateDays = 90;

std::string startupKey() { return std::string(kNoorvaleKey) + "\\System\\Startup"; }

QFrame* swatch(const char* name, QWidget* parent) {
    auto* s = new QFrame(parent);
    s->setObjectName(name);
    s->setFrameShape(QFrame::Box);
    s->setAutoFillBackground(true);
    s->setFixedSize(48, 20);
    return s;
}

void setSwatch(QFrame* s, int32_t color) {
    s->setProperty("Color", color);
    QPalette p = s->palette();
    p.setColor(QPalette::Window, colorFromRef(color));
    s->setPalette(p);
}

QPushButton* button(const char* name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

QCheckBox* check(const char* name, const QString& caption, QWidget* parent) {
    auto* c = new QCheckBox(caption, parent);
    c->setObjectName(name);
    return c;
}

QComboBox* combo(const char* name, QWidget* parent) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    return c;
}

QLineEdit* textBox(const char* name, QWidget* parent) {
    auto* t = new QLineEdit(parent);
    t->setObjectName(name);
    return t;
}

// A picture file as the clocks take it; a null image when it cannot be read.
QImage readPicture(const QString& path) { return QImageReader(path).read(); }

}  // namespace

int16_t frmOptions::SeekArray(const QStringList& array, const QString& value) {
    for (int i = 0; i < array.size(); ++i)
        if (array[i] == value) return static_cast<int16_t>(i);
    return -1;
}

int32_t frmOptions::SwatchColor(const QFrame* s) { return s->property("Color").toInt(); }

frmOptions::frmOptions(DialogOwner& owner) : QDialog(owner.OwnerWindow()), owner_(owner) {
    setObjectName("frmOptions");
    setWindowTitle("Options");
    setModal(true);
    tabOptions = new QTabWidget(this);
    tabOptions->setObjectName("tabOptions");
    buildGeneralTab();
    buildCalendarTab();
    buildNormalTab();
    buildCompactTab();

    cmdOK = button("cmdOK", "OK", this);
    cmdOK->setDefault(true);
    cmdCancel = button("cmdCancel", "Cancel", this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabOptions);
    layout->addLayout(buttons);

    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(optUpdDisable, &QRadioButton::toggled, this, [this](bool on) {
        if (on) txtUpdDays->setEnabled(false);
    });
    connect(optUpdReminder, &QRadioButton::toggled, this, [this](bool on) {
        if (on) txtUpdDays->setEnabled(true);
    });
    const std::pair<QPushButton*, QFrame*> colors[] = {
        {cmdColorPicker, picMarkColor}, {cmdNormalBack, picNormalBack},   {cmdNormalBorder, picNormalBorder},
        {cmdCompactBack, picCompactBack}, {cmdCompactHand, picCompactBorder}, {cmdPosBack, picPosBack},
        {cmdPosFore, picPosFore}};
    for (const auto& [b, s] : colors) b->setFixedWidth(36);
    setMinimumWidth(500);
    for (const auto& [b, s] : colors)
        connect(b, &QPushButton::clicked, this, [this, s = s] { resumeNext([&] { PickColor(s); }); });
    connect(cmdNormalPic, &QPushButton::clicked, this, [this] {
        const QString file = PickPicture();
        if (!file.isEmpty()) txtNormalPic->setText(file);
    });
    connect(cmdCompactPic, &QPushButton::clicked, this, [this] {
        const QString file = PickPicture();
        if (!file.isEmpty()) txtCompactPic->setText(file);
    });
    txtUpdDays->installEventFilter(this);

    Form_Load();
}

void frmOptions::buildGeneralTab() {
    auto* page = new QWidget;
    auto* startup = new QGroupBox(" Startup Options ", page);
    cboView = combo("cboView", startup);
    auto* startupRow = new QHBoxLayout(startup);
    startupRow->addWidget(new QLabel("Startup View", startup));
    startupRow->addWidget(cboView);
    startupRow->addStretch();

    auto* updates = new QGroupBox(" Program Updates (requires an Internet connection) ", page);
    optUpdDisable = new QRadioButton("No thanks, I will manually update the program", updates);
    optUpdDisable->setObjectName("optUpdDisable");
    optUpdReminder = new QRadioButton("Yes, Please remind me every", updates);
    optUpdReminder->setObjectName("optUpdReminder");
    txtUpdDays = textBox("txtUpdDays", updates);
    txtUpdDays->setMaximumWidth(50);
    auto* grid = new QGridLayout(updates);
    grid->addWidget(optUpdDisable, 0, 0, 1, 3);
    grid->addWidget(optUpdReminder, 1, 0);
    grid->addWidget(txtUpdDays, 1, 1);
    grid->addWidget(new QLabel("days", updates), 1, 2);
    grid->setColumnStretch(3, 1);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(startup);
    layout->addWidget(updates);
    layout->addStretch();
    tabOptions->addTab(page, "&General");
}

void frmOptions::buildCalendarTab() {
    auto* page = new QWidget;
    auto* fra = new QGroupBox(" Calendar Settings ", page);
    cboDate = combo("cboDate", fra);
    cboHijri = combo("cboHijri", fra);
    cboTime = combo("cboTime", fra);
    picMarkColor = swatch("picMarkColor", fra);
    cmdColorPicker = button("cmdColorPicker", "...", fra);
    chkGridlines = check("chkGridlines", "Show Grid&lines", fra);
    chkAutoResize = check("chkAutoResize", "&AutoResize Columns", fra);
    auto* grid = new QGridLayout(fra);
    grid->addWidget(new QLabel("Gregorian Date", fra), 0, 0);
    grid->addWidget(cboDate, 0, 1, 1, 2);
    grid->addWidget(new QLabel("Hijri Date", fra), 1, 0);
    grid->addWidget(cboHijri, 1, 1, 1, 2);
    grid->addWidget(new QLabel("Time", fra), 2, 0);
    grid->addWidget(cboTime, 2, 1, 1, 2);
    grid->addWidget(new QLabel("Highlight Color", fra), 3, 0);
    grid->addWidget(picMarkColor, 3, 1);
    grid->addWidget(cmdColorPicker, 3, 2, Qt::AlignLeft);
    grid->addWidget(chkGridlines, 4, 0, 1, 3);
    grid->addWidget(chkAutoResize, 5, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(fra);
    layout->addStretch();
    tabOptions->addTab(page, "&Calendar");
}

void frmOptions::buildNormalTab() {
    auto* page = new QWidget;
    auto* fra = new QGroupBox(" Clock Settings ", page);
    picNormalBack = swatch("picNormalBack", fra);
    cmdNormalBack = button("cmdNormalBack", "...", fra);
    picNormalBorder = swatch("picNormalBorder", fra);
    cmdNormalBorder = button("cmdNormalBorder", "...", fra);
    txtNormalPic = textBox("txtNormalPic", fra);
    cmdNormalPic = button("cmdNormalPic", "&Browse...", fra);
    chkNormalNumbers = check("chkNormalNumbers", "Show Numbe&rs", fra);
    chkNormalSeconds = check("chkNormalSeconds", "Show Secon&ds", fra);
    auto* grid = new QGridLayout(fra);
    grid->addWidget(new QLabel("Background Color", fra), 0, 0);
    grid->addWidget(picNormalBack, 0, 1);
    grid->addWidget(cmdNormalBack, 0, 2, Qt::AlignLeft);
    grid->addWidget(new QLabel("Hands Color", fra), 1, 0);
    grid->addWidget(picNormalBorder, 1, 1);
    grid->addWidget(cmdNormalBorder, 1, 2, Qt::AlignLeft);
    grid->addWidget(new QLabel("Background Picture", fra), 2, 0);
    grid->addWidget(txtNormalPic, 2, 1, 1, 2);
    grid->addWidget(cmdNormalPic, 2, 3);
    grid->addWidget(chkNormalNumbers, 3, 0, 1, 2);
    grid->addWidget(chkNormalSeconds, 4, 0, 1, 2);
    grid->setColumnStretch(2, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(fra);
    layout->addStretch();
    tabOptions->addTab(page, "&Normal View");
}

void frmOptions::buildCompactTab() {
    auto* page = new QWidget;
    auto* fra = new QGroupBox(" Clock Settings ", page);
    picCompactBack = swatch("picCompactBack", fra);
    cmdCompactBack = button("cmdCompactBack", "...", fra);
    picCompactBorder = swatch("picCompactBorder", fra);
    cmdCompactHand = button("cmdCompactHand", "...", fra);
    txtCompactPic = textBox("txtCompactPic", fra);
    cmdCompactPic = button("cmdCompactPic", "&Browse...", fra);
    chkCompactNumbers = check("chkCompactNumbers", "Show N&umbers", fra);
    chkCompactSeconds = check("chkCompactSeconds", "Show S&econds", fra);
    chkCompactBorders = check("chkCompactBorders", "Sho&w Borders", fra);
    auto* grid = new QGridLayout(fra);
    grid->addWidget(new QLabel("Background Color", fra), 0, 0);
    grid->addWidget(picCompactBack, 0, 1);
    grid->addWidget(cmdCompactBack, 0, 2, Qt::AlignLeft);
    grid->addWidget(new QLabel("Hands Color", fra), 1, 0);
    grid->addWidget(picCompactBorder, 1, 1);
    grid->addWidget(cmdCompactHand, 1, 2, Qt::AlignLeft);
    grid->addWidget(new QLabel("Background Picture", fra), 2, 0);
    grid->addWidget(txtCompactPic, 2, 1, 1, 2);
    grid->addWidget(cmdCompactPic, 2, 3);
    auto* checks = new QHBoxLayout;
    checks->addWidget(chkCompactNumbers);
    checks->addWidget(chkCompactSeconds);
    checks->addWidget(chkCompactBorders);
    checks->addStretch();
    grid->addLayout(checks, 3, 0, 1, 4);
    grid->setColumnStretch(2, 1);

    auto* bar = new QGroupBox(" Control Bar ", page);
    picPosBack = swatch("picPosBack", bar);
    cmdPosBack = button("cmdPosBack", "...", bar);
    picPosFore = swatch("picPosFore", bar);
    cmdPosFore = button("cmdPosFore", "...", bar);
    cboPosition = combo("cboPosition", bar);
    auto* barGrid = new QGridLayout(bar);
    barGrid->addWidget(new QLabel("Background Color", bar), 0, 0);
    barGrid->addWidget(picPosBack, 0, 1);
    barGrid->addWidget(cmdPosBack, 0, 2, Qt::AlignLeft);
    barGrid->addWidget(new QLabel("Foreground Color", bar), 1, 0);
    barGrid->addWidget(picPosFore, 1, 1);
    barGrid->addWidget(cmdPosFore, 1, 2, Qt::AlignLeft);
    barGrid->addWidget(new QLabel("Position", bar), 2, 0);
    barGrid->addWidget(cboPosition, 2, 1, 1, 2, Qt::AlignLeft);
    barGrid->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(fra);
    layout->addWidget(bar);
    layout->addStretch();
    tabOptions->addTab(page, "Compact &View");
}

// ---------------------------------------------------------------------------------------------
// Load

void frmOptions::Form_Load() {
    resumeNext([&] {
        adjustSize();
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
    });
    tabOptions->setCurrentIndex(0);
    for (const char* f : kGregorianDateFormats) dateFormats_ << f;
    for (const char* f : kHijriDateFormats) hijriFormats_ << f;
    for (const char* f : kTimeFormats) timeFormats_ << f;
    positions_ = QStringList{"Top", "Bottom"};

    // General.
    resumeNext([&] {
        for (const char* v : kViews) cboView->addItem(v);
        int32_t view = 1;
        resumeNext([&] { view = ReadRegValue(HKEY_CURRENT_USER, startupKey(), "DefaultView", 1).toLong(); });
        if (view < 0 || view > 3) view = 0;
        cboView->setCurrentIndex(view);
    });
    resumeNext([&] {
        const int32_t days = owner_.UpdateDays();
        txtUpdDays->setText(days >= 0 && days <= kMaxUpdateDays ? QString::number(days) : "14");
        if (txtUpdDays->text() == "0") {
            optUpdDisable->setChecked(true);
            txtUpdDays->setEnabled(false);
        } else {
            optUpdReminder->setChecked(true);
            txtUpdDays->setEnabled(true);
        }
        if (val(txtUpdDays->text().toStdString()) <= 0) txtUpdDays->setText("14");
    });

    // Calendar.
    const CalendarProps& cal = CalProp();
    resumeNext([&] {
        const DateValue day = today();
        for (const QString& f : dateFormats_) cboDate->addItem(QString::fromStdString(FormatDate(day, f.toStdString())));
        for (const QString& f : hijriFormats_)
            cboHijri->addItem(QString::fromStdString(FormatHijriDate(day, f.toStdString())));
        const DateValue time = now();
        for (const QString& f : timeFormats_)
            cboTime->addItem(QString::fromStdString(FormatTimeText(time, f.toStdString())));
    });
    auto select = [this](QComboBox* box, const QStringList& array, const std::string& current) {
        const int16_t i = SeekArray(array, QString::fromStdString(current));
        box->setCurrentIndex(i < 0 ? 0 : i);
    };
    resumeNext([&] { select(cboDate, dateFormats_, cal.dateFormat); });
    resumeNext([&] { select(cboHijri, hijriFormats_, cal.hijriFormat); });
    resumeNext([&] { select(cboTime, timeFormats_, cal.timeFormat); });
    resumeNext([&] { setSwatch(picMarkColor, cal.markColor); });
    resumeNext([&] { chkGridlines->setChecked(owner_.Gridlines()); });
    resumeNext([&] { chkAutoResize->setChecked(cal.autoResize); });

    // Normal view.
    resumeNext([&] {
        const Clock& clock = owner_.MainClock();
        txtNormalPic->setText(owner_.MainClockPicture());
        chkNormalNumbers->setChecked(clock.ShowNumbers());
        chkNormalSeconds->setChecked(clock.ShowSeconds());
        setSwatch(picNormalBack, clock.ColorBack());
        setSwatch(picNormalBorder, clock.ColorBorder());
    });

    // Compact view.
    resumeNext([&] {
        for (const QString& p : positions_) cboPosition->addItem(p);
        frmCompact* compact = owner_.Compact();
        if (!compact) return;
        const Clock& clock = *compact->picSmClock;
        txtCompactPic->setText(SmClockPicturePath());
        chkCompactNumbers->setChecked(clock.ShowNumbers());
        chkCompactSeconds->setChecked(clock.ShowSeconds());
        chkCompactBorders->setChecked(clock.ShowBorder());
        setSwatch(picCompactBack, clock.ColorBack());
        setSwatch(picCompactBorder, clock.ColorBorder());
        setSwatch(picPosBack, compact->fraControlBackColor());
        setSwatch(picPosFore, compact->lblMessageForeColor());
        cboPosition->setCurrentIndex(compact->fraControl->y() == 0 ? 0 : 1);
    });
}

// ---------------------------------------------------------------------------------------------
// Handlers

void frmOptions::txtUpdDays_Validate() {
    if (val(txtUpdDays->text().toStdString()) > kMaxUpdateDays) {
        MsgBox("The number of days can not exceed " + QString::number(kMaxUpdateDays) + " days", vbInformation);
        txtUpdDays->setText("14");
    }
}

bool frmOptions::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtUpdDays && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QString typed = key->text();
        if (typed.size() == 1 && (typed[0].isPrint() || typed[0] == QChar(8)) &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            const char16_t c = typed[0].unicode();
            if (!(c < 0x80 && IsNumericKey(static_cast<int16_t>(c)))) return true;
        }
    } else if (watched == txtUpdDays && event->type() == QEvent::FocusOut) {
        resumeNext([&] { txtUpdDays_Validate(); });
    }
    return QDialog::eventFilter(watched, event);
}

void frmOptions::PickColor(QFrame* s) {
    const std::optional<int32_t> chosen = ShowColor(this, SwatchColor(s));
    if (chosen) setSwatch(s, *chosen);
}

QString frmOptions::PickPicture() {
    QString file;
    resumeNext([&] { file = ShowOpen(this, kPictureFilter); });
    return file;
}

// ---------------------------------------------------------------------------------------------
// OK

void frmOptions::cmdOK_Click() {
    // Days still being typed are checked as if the focus had left the box.
    resumeNext([&] { txtUpdDays_Validate(); });
    QApplication::setOverrideCursor(Qt::WaitCursor);

    resumeNext([&] {
        if (optUpdDisable->isChecked()) owner_.UpdateDays(0);
        else owner_.UpdateDays(toInt32(cdbl(txtUpdDays->text().toStdString())));
    });
    resumeNext([&] { owner_.SaveUpdateProp(); });

    CalendarProps& cal = CalProp();
    resumeNext([&] { cal.dateFormat = dateFormats_.at(cboDate->currentIndex()).toStdString(); });
    resumeNext([&] { cal.hijriFormat = hijriFormats_.at(cboHijri->currentIndex()).toStdString(); });
    resumeNext([&] { cal.timeFormat = timeFormats_.at(cboTime->currentIndex()).toStdString(); });
    resumeNext([&] { cal.markColor = SwatchColor(picMarkColor); });
    resumeNext([&] { owner_.Gridlines(chkGridlines->isChecked()); });
    resumeNext([&] { cal.autoResize = chkAutoResize->isChecked(); });
    resumeNext([&] { WriteRegLong(HKEY_CURRENT_USER, startupKey(), "DefaultView", cboView->currentIndex()); });
    resumeNext([&] { owner_.SaveCalProp(); });

    // The main clock.
    resumeNext([&] {
        Clock& clock = owner_.MainClock();
        owner_.MainClockPicture() = txtNormalPic->text();
        resumeNext([&] {
            const QString path = txtNormalPic->text();
            if (!QFile::exists(path)) clock.Picture(QImage());
            else if (const QImage picture = readPicture(path); !picture.isNull()) clock.Picture(picture);
        });
        resumeNext([&] { clock.ShowNumbers(chkNormalNumbers->isChecked()); });
        resumeNext([&] { clock.ShowSeconds(chkNormalSeconds->isChecked()); });
        resumeNext([&] { clock.ColorBack(SwatchColor(picNormalBack)); });
        resumeNext([&] { clock.ColorBorder(SwatchColor(picNormalBorder)); });
    });
    resumeNext([&] { owner_.SaveClockProp(); });

    // The compact clock and its bar.
    resumeNext([&] {
        frmCompact* compact = owner_.Compact();
        if (!compact) return;
        Clock& clock = *compact->picSmClock;
        SmClockPicturePath() = txtCompactPic->text();
        resumeNext([&] {
            const QString path = txtCompactPic->text();
            if (!QFile::exists(path)) clock.Picture(QImage());
            else if (const QImage picture = readPicture(path); !picture.isNull()) clock.Picture(picture);
        });
        resumeNext([&] { clock.ShowNumbers(chkCompactNumbers->isChecked()); });
        resumeNext([&] { clock.ShowSeconds(chkCompactSeconds->isChecked()); });
        resumeNext([&] { clock.ShowBorder(chkCompactBorders->isChecked()); });
        resumeNext([&] { clock.ColorBack(SwatchColor(picCompactBack)); });
        resumeNext([&] { clock.ColorBorder(SwatchColor(picCompactBorder)); });
        resumeNext([&] { compact->fraControlBackColor(SwatchColor(picPosBack)); });
        resumeNext([&] { compact->lblMessageForeColor(SwatchColor(picPosFore)); });
        resumeNext([&] { compact->MoveControlBar(static_cast<int16_t>(cboPosition->currentIndex() + 1)); });
        resumeNext([&] { compact->SaveSmClockProp(); });
    });
    resumeNext([&] { owner_.ReloadCompact(); });
    resumeNext([&] { owner_.mnuViewRefresh_Click(); });
    QApplication::restoreOverrideCursor();
    accept();
}

}  // namespace nv
