#include "frmOptions.h"

#include "DesktopNotice.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
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
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <array>

#include "CalendarProps.h"
#include "Clock.h"
#include "ColorRef.h"
#include "DesktopNotice.h"
#include "DialogOwner.h"
#include "KeyFilter.h"
#include "ProgramLanguage.h"
#include "FormatDate.h"
#include "Pickers.h"
#include "QtMsgBox.h"
#include "VbConv.h"
#include "VbError.h"
#include "frmCompact.h"
#include "modDateLib.h"
#include "modNoorvale.h"
#include "modRegistry.h"

namespace nv {

namespace {

// The file dialog shows the descriptions in the user's language (ShowOpen).
const char* const kPictureFilter =
    QT_TRANSLATE_NOOP("Pickers", "All Supported Files") "|*.bmp;*.jpg;*.gif;*.wmf;*.emf;*.jpe|"
    QT_TRANSLATE_NOOP("Pickers", "Windows Bitmap (*.bmp)") "|*.bmp|"
    QT_TRANSLATE_NOOP("Pickers", "Joint Photographic Experts Group (*.jpg)") "|*.jpg|"
    QT_TRANSLATE_NOOP("Pickers", "Graphics Interchange Format (*.gif)") "|*.gif|"
    QT_TRANSLATE_NOOP("Pickers", "Icon Files (*.ico)") "|*.ico|"
    QT_TRANSLATE_NOOP("Pickers", "Cursors (*.cur)") "|*.cur|"
    QT_TRANSLATE_NOOP("Pickers", "Windows Metafiles (*.wmf)") "|*.wmf;*.emf|"
    QT_TRANSLATE_NOOP("Pickers", "Enhanced Metafiles (*.emf)") "|*.emf|"
    QT_TRANSLATE_NOOP("Pickers", "All Files") " |*.*";
// The start-up views, stored by their index.
const char* const kViews[] = {QT_TRANSLATE_NOOP("nv::frmOptions", "Normal View"),
                              QT_TRANSLATE_NOOP("nv::frmOptions", "Compact View"),
                              QT_TRANSLATE_NOOP("nv::frmOptions", "System Tray only"),
                              QT_TRANSLATE_NOOP("nv::frmOptions", "Last View Used")};
// The Hijri calendars, by their HijriCalendarKind.
const char* const kHijriCalendars[] = {QT_TRANSLATE_NOOP("nv::frmOptions", "Tabular (arithmetical)"),
                                       QT_TRANSLATE_NOOP("nv::frmOptions", "Umm Al-Qura (Saudi Arabia)")};
// The control bar's places, stored by their index.
const char* const kPositions[] = {QT_TRANSLATE_NOOP("nv::frmOptions", "Top"),
                                  QT_TRANSLATE_NOOP("nv::frmOptions", "Bottom")};

// A text of the tables above, or of the helpers below, in the user's language.
QString translated(const char* text) { return QCoreApplication::translate("nv::frmOptions", text); }
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

// A label, a colour swatch and the button that picks its colour, on one row of a grid.
void colorRow(QGridLayout* grid, int row, const QString& label, QFrame* s, QPushButton* b) {
    grid->addWidget(new QLabel(label, grid->parentWidget()), row, 0);
    grid->addWidget(s, row, 1);
    grid->addWidget(b, row, 2, Qt::AlignLeft);
}

// The frame " Clock Settings " of a clock: background and hands colours, picture, numbers and
// seconds; its controls named by `names` in that order.
struct ClockBox {
    QGroupBox* frame;
    QGridLayout* grid;
    QFrame *back, *border;
    QPushButton *cmdBack, *cmdBorder, *cmdPicture;
    QLineEdit* picture;
    QCheckBox *numbers, *seconds;
};
ClockBox clockFrame(QWidget* page, const std::array<const char*, 8>& names, const QString& numbersCaption,
                    const QString& secondsCaption) {
    ClockBox c{};
    c.frame = new QGroupBox(translated(QT_TRANSLATE_NOOP("nv::frmOptions", " Clock Settings ")), page);
    c.grid = new QGridLayout(c.frame);
    c.back = swatch(names[0], c.frame);
    c.cmdBack = button(names[1], "...", c.frame);
    colorRow(c.grid, 0, translated(QT_TRANSLATE_NOOP("nv::frmOptions", "Background Color")), c.back, c.cmdBack);
    c.border = swatch(names[2], c.frame);
    c.cmdBorder = button(names[3], "...", c.frame);
    colorRow(c.grid, 1, translated(QT_TRANSLATE_NOOP("nv::frmOptions", "Hands Color")), c.border, c.cmdBorder);
    c.picture = textBox(names[4], c.frame);
    c.cmdPicture = button(names[5], translated(QT_TRANSLATE_NOOP("nv::frmOptions", "&Browse...")), c.frame);
    c.grid->addWidget(new QLabel(translated(QT_TRANSLATE_NOOP("nv::frmOptions", "Background Picture")), c.frame), 2, 0);
    c.grid->addWidget(c.picture, 2, 1, 1, 2);
    c.grid->addWidget(c.cmdPicture, 2, 3);
    c.numbers = check(names[6], numbersCaption, c.frame);
    c.seconds = check(names[7], secondsCaption, c.frame);
    c.grid->setColumnStretch(2, 1);
    return c;
}

// A clock takes the picture of an existing file that can be read; no file leaves it without one,
// an unreadable file leaves its picture as it was.
void applyPicture(Clock& clock, const QString& path) {
    if (!QFile::exists(path)) {
        clock.Picture(QImage());
        return;
    }
    const QImage picture = QImageReader(path).read();
    if (!picture.isNull()) clock.Picture(picture);
}

}  // namespace

int16_t frmOptions::SeekArray(const QStringList& array, const QString& value) {
    for (int i = 0; i < array.size(); ++i)
        if (array[i] == value) return static_cast<int16_t>(i);
    return -1;
}

int32_t frmOptions::SwatchColor(const QFrame* s) { return s->property("Color").toInt(); }

frmOptions::frmOptions(DialogOwner& owner) : QDialog(owner.OwnerWindow()), owner_(owner) {
    setObjectName("frmOptions");
    setWindowTitle(tr("Options"));
    setModal(true);
    tabOptions = new QTabWidget(this);
    tabOptions->setObjectName("tabOptions");
    tabOptions->setUsesScrollButtons(false);  // the window widens to show every tab whole
    buildGeneralTab();
    buildCalendarTab();
    buildNormalTab();
    buildCompactTab();

    cmdOK = button("cmdOK", tr("OK"), this);
    cmdOK->setDefault(true);
    cmdCancel = button("cmdCancel", tr("Cancel"), this);
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
    connect(cboHijriCalendar, &QComboBox::currentIndexChanged, this, [this] { ShowHijriSamples(); });
    connect(spnHijriAdjust, &QSpinBox::valueChanged, this, [this] { ShowHijriSamples(); });
}

void frmOptions::buildGeneralTab() {
    auto* page = new QWidget;
    auto* startup = new QGroupBox(tr(" Startup Options "), page);
    cboView = combo("cboView", startup);
    auto* startupRow = new QHBoxLayout(startup);
    startupRow->addWidget(new QLabel(tr("Startup View"), startup));
    startupRow->addWidget(cboView);
    startupRow->addStretch();

    auto* updates = new QGroupBox(tr(" Program Updates (requires an Internet connection) "), page);
    optUpdDisable = new QRadioButton(tr("No thanks, I will manually update the program"), updates);
    optUpdDisable->setObjectName("optUpdDisable");
    //: Followed by a box with the number of days and the word "days".
    optUpdReminder = new QRadioButton(tr("Yes, Please remind me every"), updates);
    optUpdReminder->setObjectName("optUpdReminder");
    txtUpdDays = textBox("txtUpdDays", updates);
    txtUpdDays->setMaximumWidth(50);
    auto* grid = new QGridLayout(updates);
    grid->addWidget(optUpdDisable, 0, 0, 1, 3);
    grid->addWidget(optUpdReminder, 1, 0);
    grid->addWidget(txtUpdDays, 1, 1);
    grid->addWidget(new QLabel(tr("days"), updates), 1, 2);
    grid->setColumnStretch(3, 1);

    auto* alerts = new QGroupBox(tr(" Alerts "), page);
    chkDesktopNotice = new QCheckBox(tr("Show a desktop notification at each prayer"), alerts);
    chkDesktopNotice->setObjectName("chkDesktopNotice");
    (new QVBoxLayout(alerts))->addWidget(chkDesktopNotice);

    // The language: the session's, or one of the catalogues, in its own name; a pick applies from
    // the next start.
    auto* language = new QGroupBox(tr(" Language "), page);
    cboLanguage = combo("cboLanguage", language);
    auto* languageLabel = new QLabel(tr("Language:"), language);
    languageLabel->setBuddy(cboLanguage);
    auto* languageNote = new QLabel(tr("The language changes the next time Noorvale starts."), language);
    languageNote->setObjectName("lblLanguageNote");
    languageNote->setWordWrap(true);
    auto* languageRow = new QHBoxLayout;
    languageRow->addWidget(languageLabel);
    languageRow->addWidget(cboLanguage);
    languageRow->addStretch();
    auto* languageBox = new QVBoxLayout(language);
    languageBox->addLayout(languageRow);
    languageBox->addWidget(languageNote);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(startup);
    layout->addWidget(updates);
    layout->addWidget(alerts);
    layout->addWidget(language);
    layout->addStretch();
    tabOptions->addTab(page, tr("&General"));
}

void frmOptions::buildCalendarTab() {
    auto* page = new QWidget;
    auto* fra = new QGroupBox(tr(" Calendar Settings "), page);
    cboDate = combo("cboDate", fra);
    cboHijri = combo("cboHijri", fra);
    cboHijriCalendar = combo("cboHijriCalendar", fra);
    spnHijriAdjust = new QSpinBox(fra);
    spnHijriAdjust->setObjectName("spnHijriAdjust");
    spnHijriAdjust->setRange(-kMaxHijriAdjustment, kMaxHijriAdjustment);
    spnHijriAdjust->setToolTip(tr("Days added to the Hijri date, for a community whose month begins when it sights "
                                  "the moon"));
    cboTime = combo("cboTime", fra);
    picMarkColor = swatch("picMarkColor", fra);
    cmdColorPicker = button("cmdColorPicker", "...", fra);
    chkGridlines = check("chkGridlines", tr("Show Grid&lines"), fra);
    chkAutoResize = check("chkAutoResize", tr("&AutoResize Columns"), fra);
    auto* grid = new QGridLayout(fra);
    grid->addWidget(new QLabel(tr("Gregorian Date"), fra), 0, 0);
    grid->addWidget(cboDate, 0, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Hijri Date"), fra), 1, 0);
    grid->addWidget(cboHijri, 1, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Hijri Calendar"), fra), 2, 0);
    grid->addWidget(cboHijriCalendar, 2, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Hijri Adjustment (days)"), fra), 3, 0);
    grid->addWidget(spnHijriAdjust, 3, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(new QLabel(tr("Time"), fra), 4, 0);
    grid->addWidget(cboTime, 4, 1, 1, 2);
    colorRow(grid, 5, tr("Highlight Color"), picMarkColor, cmdColorPicker);
    grid->addWidget(chkGridlines, 6, 0, 1, 3);
    grid->addWidget(chkAutoResize, 7, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(fra);
    layout->addStretch();
    tabOptions->addTab(page, tr("&Calendar"));
}

void frmOptions::buildNormalTab() {
    auto* page = new QWidget;
    const ClockBox c = clockFrame(page, {"picNormalBack", "cmdNormalBack", "picNormalBorder", "cmdNormalBorder",
                                         "txtNormalPic", "cmdNormalPic", "chkNormalNumbers", "chkNormalSeconds"},
                                  tr("Show Numbe&rs"), tr("Show Secon&ds"));
    picNormalBack = c.back, cmdNormalBack = c.cmdBack, picNormalBorder = c.border, cmdNormalBorder = c.cmdBorder;
    txtNormalPic = c.picture, cmdNormalPic = c.cmdPicture, chkNormalNumbers = c.numbers, chkNormalSeconds = c.seconds;
    c.grid->addWidget(chkNormalNumbers, 3, 0, 1, 2);
    c.grid->addWidget(chkNormalSeconds, 4, 0, 1, 2);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(c.frame);
    layout->addStretch();
    tabOptions->addTab(page, tr("&Normal View"));
}

void frmOptions::buildCompactTab() {
    auto* page = new QWidget;
    const ClockBox c = clockFrame(page, {"picCompactBack", "cmdCompactBack", "picCompactBorder", "cmdCompactHand",
                                         "txtCompactPic", "cmdCompactPic", "chkCompactNumbers", "chkCompactSeconds"},
                                  tr("Show N&umbers"), tr("Show S&econds"));
    picCompactBack = c.back, cmdCompactBack = c.cmdBack, picCompactBorder = c.border, cmdCompactHand = c.cmdBorder;
    txtCompactPic = c.picture, cmdCompactPic = c.cmdPicture, chkCompactNumbers = c.numbers;
    chkCompactSeconds = c.seconds;
    chkCompactBorders = check("chkCompactBorders", tr("Sho&w Borders"), c.frame);
    auto* checks = new QHBoxLayout;
    checks->addWidget(chkCompactNumbers);
    checks->addWidget(chkCompactSeconds);
    checks->addWidget(chkCompactBorders);  // the row shared out: Nastaliq's widths vary by a few pixels
    c.grid->addLayout(checks, 3, 0, 1, 4);

    auto* bar = new QGroupBox(tr(" Control Bar "), page);
    auto* barGrid = new QGridLayout(bar);
    picPosBack = swatch("picPosBack", bar);
    cmdPosBack = button("cmdPosBack", "...", bar);
    colorRow(barGrid, 0, tr("Background Color"), picPosBack, cmdPosBack);
    picPosFore = swatch("picPosFore", bar);
    cmdPosFore = button("cmdPosFore", "...", bar);
    colorRow(barGrid, 1, tr("Foreground Color"), picPosFore, cmdPosFore);
    cboPosition = combo("cboPosition", bar);
    barGrid->addWidget(new QLabel(tr("Position"), bar), 2, 0);
    barGrid->addWidget(cboPosition, 2, 1, 1, 2, Qt::AlignLeft);
    barGrid->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(c.frame);
    layout->addWidget(bar);
    layout->addStretch();
    tabOptions->addTab(page, tr("Compact &View"));
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

    // General.
    resumeNext([&] {
        for (const char* v : kViews) cboView->addItem(translated(v));
        int32_t view = 1;
        resumeNext([&] { view = ReadRegValue(HKEY_CURRENT_USER, startupKey(), "DefaultView", 1).toLong(); });
        if (view < 0 || view > 3) view = 0;
        cboView->setCurrentIndex(view);
    });
    resumeNext([&] { chkDesktopNotice->setChecked(LoadDesktopNotice()); });
    resumeNext([&] {
        cboLanguage->addItem(tr("System default"));
        const std::string stored = StoredLanguage();
        int picked = 0;  // a code without a catalogue counts as none
        for (size_t i = 0; i < Languages().size(); ++i) {
            cboLanguage->addItem(Languages()[i].name);
            if (stored == Languages()[i].code) picked = static_cast<int>(i) + 1;
        }
        cboLanguage->setCurrentIndex(picked);
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
        for (const char* c : kHijriCalendars) cboHijriCalendar->addItem(translated(c));
        cboHijriCalendar->setCurrentIndex(cal.hijriCalendar.kind == kHijriUmmAlQura ? 1 : 0);
        spnHijriAdjust->setValue(cal.hijriCalendar.adjustment);
    });
    resumeNext([&] {
        const DateValue day = today();
        for (const QString& f : dateFormats_) cboDate->addItem(QString::fromStdString(FormatDate(day, f.toStdString())));
        ShowHijriSamples();
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
        for (const char* p : kPositions) cboPosition->addItem(translated(p));
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

HijriCalendar frmOptions::ChosenCalendar() const {
    return HijriCalendar{static_cast<int16_t>(cboHijriCalendar->currentIndex() == 1 ? kHijriUmmAlQura : kHijriTabular),
                         static_cast<int16_t>(spnHijriAdjust->value())};
}

void frmOptions::ShowHijriSamples() {
    const DateValue day = today();
    const HijriCalendar calendar = ChosenCalendar();
    for (int i = 0; i < hijriFormats_.size(); ++i) {
        const QString text = QString::fromStdString(FormatHijriDate(day, hijriFormats_[i].toStdString(), calendar));
        if (i < cboHijri->count()) cboHijri->setItemText(i, text);
        else cboHijri->addItem(text);
    }
}

void frmOptions::txtUpdDays_Validate() {
    if (val(txtUpdDays->text().toStdString()) > kMaxUpdateDays) {
        MsgBox(tr("The number of days can not exceed %1 days").arg(kMaxUpdateDays), vbInformation);
        txtUpdDays->setText("14");
    }
}

bool frmOptions::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtUpdDays && event->type() == QEvent::KeyPress) {
        if (DropNumericKey(*static_cast<QKeyEvent*>(event), *txtUpdDays)) return true;
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
    resumeNext([&] {
        cal.hijriCalendar = ChosenCalendar();
        PrayTime().Calendar(cal.hijriCalendar);  // its Ramadan rule counts by the same calendar
    });
    resumeNext([&] {
        const std::string picked = timeFormats_.at(cboTime->currentIndex()).toStdString();
        if (picked != cal.timeFormat) cal.timeFormatChosen = true;
        cal.timeFormat = picked;
    });
    resumeNext([&] { cal.markColor = SwatchColor(picMarkColor); });
    resumeNext([&] { owner_.Gridlines(chkGridlines->isChecked()); });
    resumeNext([&] { cal.autoResize = chkAutoResize->isChecked(); });
    resumeNext([&] { WriteRegLong(HKEY_CURRENT_USER, startupKey(), "DefaultView", cboView->currentIndex()); });
    resumeNext([&] { SaveDesktopNotice(chkDesktopNotice->isChecked()); });
    resumeNext([&] {
        const int picked = cboLanguage->currentIndex();
        SaveLanguage(picked >= 1 ? Languages().at(static_cast<size_t>(picked - 1)).code : "");
    });
    resumeNext([&] { owner_.SaveCalProp(); });

    // The main clock.
    resumeNext([&] {
        Clock& clock = owner_.MainClock();
        owner_.MainClockPicture() = txtNormalPic->text();
        resumeNext([&] { applyPicture(clock, txtNormalPic->text()); });
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
        resumeNext([&] { applyPicture(clock, txtCompactPic->text()); });
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
