#include "frmCustomize.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "Authorities.h"
#include "CalendarRows.h"
#include "DialogOwner.h"
#include "KeyFilter.h"
#include "Pickers.h"
#include "QtMsgBox.h"
#include "VbConv.h"
#include "VbError.h"
#include "modInternet.h"
#include "modTimeZone.h"

namespace nv {

namespace {

// The file dialog shows the descriptions in the user's language (ShowOpen).
const char* const kSoundFilter = QT_TRANSLATE_NOOP("Pickers", "All Supported Files") "|*.wav|"
    QT_TRANSLATE_NOOP("Pickers", "Windows Wave Files (*.wav)") "|*.wav|" QT_TRANSLATE_NOOP("Pickers", "All Files") " |*.*";
// The time-zone modes, stored by their index.
const char* const kTimeZones[] = {QT_TRANSLATE_NOOP("nv::frmCustomize", "Automatic (Windows)"),
                                  QT_TRANSLATE_NOOP("nv::frmCustomize", "Manual")};

// A text of the tables and helpers of this file in the user's language.
QString translated(const char* text) { return QCoreApplication::translate("nv::frmCustomize", text); }

QLineEdit* textBox(const char* name, QWidget* parent, const QString& text = QString()) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    return box;
}

QRadioButton* option(const char* name, const QString& caption, QWidget* parent) {
    auto* o = new QRadioButton(caption, parent);
    o->setObjectName(name);
    return o;
}

QGroupBox* frame(const QString& caption, QWidget* parent, const char* name = nullptr) {
    auto* f = new QGroupBox(caption, parent);
    if (name) f->setObjectName(name);
    return f;
}

// A frame of degrees, minutes and the two sides of the reference line.
QGroupBox* coordinateFrame(QWidget* parent, const QString& caption, const QString& reference, QLineEdit*& degree,
                           const char* degreeName, QLineEdit*& minute, const char* minuteName, QRadioButton*& first,
                           const char* firstName, const QString& firstCaption, QRadioButton*& second,
                           const char* secondName, const QString& secondCaption) {
    auto* f = frame(caption, parent);
    degree = textBox(degreeName, f);
    minute = textBox(minuteName, f);
    first = option(firstName, firstCaption, f);
    second = option(secondName, secondCaption, f);
    auto* grid = new QGridLayout(f);
    grid->addWidget(new QLabel(translated(QT_TRANSLATE_NOOP("nv::frmCustomize", "Degree")), f), 0, 0);
    grid->addWidget(degree, 0, 1);
    grid->addWidget(new QLabel(translated(QT_TRANSLATE_NOOP("nv::frmCustomize", "Minute")), f), 1, 0);
    grid->addWidget(minute, 1, 1);
    grid->addWidget(new QLabel(reference, f), 0, 2);
    grid->addWidget(first, 0, 3);
    grid->addWidget(second, 1, 3);
    return f;
}

// A twilight value as the shortest text of its number: 19 shows "19", 19.5 shows "19.5".
QString numberText(double v) { return QString::number(v, 'g', 15); }

std::string text(const QLineEdit* box) { return box->text().toStdString(); }

// An offset as the GMT box shows it: whole hours as a plain number ("-6", "13"), others as
// hours and minutes ("5:30", "-3:30").
QString offsetBoxText(int32_t minutes) {
    if (minutes % 60 == 0) return QString::number(minutes / 60);
    const QString t = QString::fromStdString(OffsetText(minutes));
    return t.startsWith('+') ? t.mid(1) : t;
}

// The GMT box's offset in minutes, when it is one a place can have.
bool boxOffset(const QLineEdit* box, int32_t& minutes) {
    return ParseOffset(text(box), minutes) && minutes >= kLowestOffsetMinutes && minutes <= kHighestOffsetMinutes;
}

constexpr int kHighestAltitude = 9000;  // metres
// The high-latitude rules, stored by their index.
const char* const kHighLatRuleTexts[] = {
    //: No high-latitude rule.
    QT_TRANSLATE_NOOP("nv::frmCustomize", "None"), QT_TRANSLATE_NOOP("nv::frmCustomize", "Middle of the night"),
    QT_TRANSLATE_NOOP("nv::frmCustomize", "One-seventh of the night"),
    QT_TRANSLATE_NOOP("nv::frmCustomize", "Twilight angle / 60 of the night")};
// How the sun is worked out, stored by its index.
const char* const kAstronomyTexts[] = {
    //: The sun's position worked out at each prayer time's own moment.
    QT_TRANSLATE_NOOP("nv::frmCustomize", "precise"),
    //: The day-of-year series of the program's earlier versions.
    QT_TRANSLATE_NOOP("nv::frmCustomize", "classic (as earlier versions)")};
// The shafaq that ends Isha's season in the seasonal twilight rule, from kShafaqGeneral on.
const char* const kShafaqTexts[] = {
    //: The twilight (shafaq) the seasonal rule's Isha follows: the general one.
    QT_TRANSLATE_NOOP("nv::frmCustomize", "General"),
    //: The red glow after sunset (shafaq al-ahmar).
    QT_TRANSLATE_NOOP("nv::frmCustomize", "Red"),
    //: The white glow after the red one (shafaq al-abyad).
    QT_TRANSLATE_NOOP("nv::frmCustomize", "White")};

}  // namespace

frmCustomize::frmCustomize(DialogOwner& owner) : QDialog(owner.OwnerWindow()), owner_(owner) {
    setObjectName("frmCustomize");
    setWindowTitle(tr("Customize"));
    setModal(true);

    tabCustomize = new QTabWidget(this);
    tabCustomize->setObjectName("tabCustomize");
    tabCustomize->setUsesScrollButtons(false);  // the window widens to show every tab whole
    buildPeriodsTab();
    buildLocationTab();
    buildMethodTab();
    buildAlertsTab();

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName("cmdCancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabCustomize);
    layout->addLayout(buttons);

    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstPeriods, &QListWidget::currentRowChanged, this, [this] { resumeNext([&] { lstPeriods_Click(); }); });
    connect(txtPeriodName, &QLineEdit::textChanged, this, [this] { resumeNext([&] { txtPeriodName_Change(); }); });
    connect(cboTimeZone, &QComboBox::currentIndexChanged, this, [this] { resumeNext([&] { cboTimeZone_Click(); }); });
    connect(cboAuthority, &QComboBox::currentIndexChanged, this, [this] { resumeNext([&] { cboAuthority_Click(); }); });
    // Typing a value of its own leaves the authority (its adjustments and rules stay).
    for (QLineEdit* box : {txtDawnAngle, txtDawnMin, txtNightAngle, txtNightMin})
        connect(box, &QLineEdit::textEdited, this, [this] {
            authority_.clear();
            ShowAuthority();
        });
    connect(cboCalcMethod, &QComboBox::currentIndexChanged, this,
            [this] { resumeNext([&] { cboCalcMethod_Click(); }); });
    for (QLineEdit* box : {txtLatDegree, txtLatMinute, txtLonDegree, txtLonMinute, txtSafetyMin})
        connect(box, &QLineEdit::textChanged, this, [this, box] { resumeNext([&] { ZeroRule(box); }); });
    const std::pair<QLineEdit*, QLineEdit*> pairs[] = {{txtDawnAngle, txtDawnMin}, {txtDawnMin, txtDawnAngle},
                                                       {txtNightAngle, txtNightMin}, {txtNightMin, txtNightAngle}};
    for (const auto& [box, partner] : pairs)
        connect(box, &QLineEdit::textChanged, this,
                [this, box = box, partner = partner] { resumeNext([&] { PairRule(box, partner); }); });
    connect(treAlerts, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* node) { resumeNext([&] { treAlerts_NodeClick(node); }); });
    connect(treAlerts, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* node) { resumeNext([&] { treAlerts_NodeClick(node); }); });
    connect(treAlerts, &QTreeWidget::itemDoubleClicked, this, [this] { resumeNext([&] { treAlerts_DblClick(); }); });
    connect(cmdSound, &QPushButton::clicked, this, [this] { cmdSound_Click(); });

    // Only digits and Backspace may be typed into the number boxes; each is checked against its
    // limits as the focus leaves it; the two find links open on a click.
    for (QLineEdit* box : {txtLatDegree, txtLatMinute, txtLonDegree, txtLonMinute, txtDawnAngle, txtDawnMin,
                           txtNightAngle, txtNightMin, txtSafetyMin, txtGMT, txtAltitude})
        box->installEventFilter(this);
    lblUSAFind->installEventFilter(this);
    lblWorldFind->installEventFilter(this);
    ranges_ = {{txtLatDegree, 0, 90, -1},  {txtLatMinute, 0, 59, -1},  {txtLonDegree, 0, 180, -1},
               {txtLonMinute, 0, 59, -1},  {txtDawnAngle, 0, 30, -1},  {txtNightAngle, 0, 30, -1},
               {txtDawnMin, 0, 180, -1},   {txtNightMin, 0, 180, -1},  {txtSafetyMin, 0, 5, 2},
               {txtAltitude, 0, kHighestAltitude, 0}};

    Form_Load();
}

void frmCustomize::buildPeriodsTab() {
    auto* page = new QWidget;
    auto* fra = frame(tr(" Periods/Prayers List "), page, "fraPeriodNames");
    lstPeriods = new QListWidget(fra);
    lstPeriods->setObjectName("lstPeriods");
    txtPeriodName = textBox("txtPeriodName", fra, tr("Select a Period from the List"));
    auto* grid = new QVBoxLayout(fra);
    grid->addWidget(lstPeriods);
    grid->addWidget(new QLabel(tr("Period/Prayer Name"), fra));
    grid->addWidget(txtPeriodName);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(fra);
    tabCustomize->addTab(page, tr("&Period Names"));
}

void frmCustomize::buildLocationTab() {
    auto* page = new QWidget;
    auto* fra = frame(tr(" Current Location "), page, "fraLocation");
    txtLocName = textBox("txtLocName", fra);

    QGroupBox* lat = coordinateFrame(fra, tr(" Latitude "), tr("Equator"), txtLatDegree, "txtLatDegree", txtLatMinute,
                                     "txtLatMinute", optLatNorth, "optLatNorth", tr("&North"), optLatSouth,
                                     "optLatSouth", tr("&South"));
    QGroupBox* lon = coordinateFrame(fra, tr(" Longitude "), tr("Greenwich"), txtLonDegree, "txtLonDegree", txtLonMinute,
                                     "txtLonMinute", optLonEast, "optLonEast", tr("&East"), optLonWest,
                                     "optLonWest", tr("&West"));

    txtAltitude = textBox("txtAltitude", fra, "0");
    cboTimeZone = new QComboBox(fra);
    cboTimeZone->setObjectName("cboTimeZone");
    cboTimeZone->setMinimumContentsLength(19);
    cboTimeZone->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    txtGMT = textBox("txtGMT", fra, "0");
    txtGMT->setToolTip(tr("Time Difference (GMT): hours, or hours:minutes, from -12:00 to +14:00 (5:30, -3:30, +13)"));
    txtAltitude->setToolTip(tr("Height of the place above sea level in metres, 0 to 9000"));
    auto link = [fra](const char* name, const QString& caption) {
        auto* l = new QLabel("<a href=\"#\">" + caption + "</a>", fra);
        l->setObjectName(name);
        l->setCursor(Qt::PointingHandCursor);
        l->setTextInteractionFlags(Qt::NoTextInteraction);
        return l;
    };
    //: A link to a gazetteer of places in the United States.
    lblUSAFind = link("lblUSAFind", tr("USA"));
    //: A link to a table of the coordinates of the world's cities.
    lblWorldFind = link("lblWorldFind", tr("World"));

    auto* grid = new QGridLayout(fra);
    grid->addWidget(new QLabel(tr("Location Name"), fra), 0, 0);
    grid->addWidget(txtLocName, 0, 1, 1, 3);
    grid->addWidget(lat, 1, 0, 1, 2);
    grid->addWidget(lon, 1, 2, 1, 2);
    grid->addWidget(new QLabel(tr("Altitude (metres)"), fra), 2, 0);
    grid->addWidget(txtAltitude, 2, 1);
    grid->addWidget(new QLabel(tr("Time Zone"), fra), 3, 0);
    grid->addWidget(cboTimeZone, 3, 1);
    grid->addWidget(new QLabel(tr("GMT Offset"), fra), 3, 2);
    grid->addWidget(txtGMT, 3, 3);
    auto* find = new QHBoxLayout;
    find->addWidget(new QLabel(tr("Not Sure!, Find it Online"), fra));
    find->addWidget(lblUSAFind);
    find->addWidget(lblWorldFind);
    find->addStretch();
    grid->addLayout(find, 4, 0, 1, 4);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(fra);
    layout->addStretch();
    tabCustomize->addTab(page, tr("&Location"));
}

void frmCustomize::buildMethodTab() {
    auto* page = new QWidget;
    cboCalcMethod = new QComboBox(page);
    cboCalcMethod->setObjectName("cboCalcMethod");

    auto pair = [page](const QString& caption, QLineEdit*& angle, const char* angleName, QLineEdit*& minutes,
                       const char* minutesName, const QString& minutesCaption) {
        auto* f = frame(caption, page);
        angle = textBox(angleName, f);
        minutes = textBox(minutesName, f);
        auto* form = new QFormLayout(f);
        form->addRow(tr("Angle of the Sun"), angle);
        form->addRow(minutesCaption, minutes);
        return f;
    };
    QGroupBox* dawn = pair(tr(" Dawn/Fajr "), txtDawnAngle, "txtDawnAngle", txtDawnMin, "txtDawnMin",
                           tr("Minutes before Sunrise"));
    QGroupBox* night =
        pair(tr(" Night/Isha "), txtNightAngle, "txtNightAngle", txtNightMin, "txtNightMin", tr("Minutes After Sunset"));

    auto* asr = frame(tr(" Asr / Afternoon "), page);
    optShafi = option("optShafi", tr("&Shafi`i"), asr);
    optHanafi = option("optHanafi", tr("&Hanafi"), asr);
    auto* asrRow = new QHBoxLayout(asr);
    asrRow->addWidget(new QLabel(tr("Juristic Method"), asr));
    asrRow->addWidget(optShafi);
    asrRow->addWidget(optHanafi);
    asrRow->addStretch();

    cboAuthority = new QComboBox(page);
    cboAuthority->setObjectName("cboAuthority");
    cboAuthority->addItem(tr("Pick an authority…"));
    for (const Authority& a : kAuthorities) cboAuthority->addItem(QString::fromStdString(AuthorityDisplayName(a.name)));
    cboAuthority->setToolTip(tr("Fill the custom method with the parameters of an authority's published timetables"));
    lblAuthority = new QLabel(page);
    lblAuthority->setObjectName("lblAuthority");
    lblAuthority->setWordWrap(true);

    auto* adjust = frame(tr(" Adjustments (minutes) "), page, "fraAdjust");
    auto* adjustGrid = new QGridLayout(adjust);
    for (int p = 0; p < 6; ++p) {
        QSpinBox*& box = spnAdjust[static_cast<size_t>(p)];
        box = new QSpinBox(adjust);
        box->setObjectName(QString("spnAdjust%1").arg(p + 1));
        box->setRange(-kMaxAdjustment, kMaxAdjustment);
        const std::string& name = PeriodNames[static_cast<size_t>(p)];
        auto* label = new QLabel(
            QString::fromStdString(name.empty() ? PeriodNameTable[0][static_cast<size_t>(p)] : name), adjust);
        label->setBuddy(box);
        adjustGrid->addWidget(label, p / 3, (p % 3) * 2);
        adjustGrid->addWidget(box, p / 3, (p % 3) * 2 + 1);
    }

    txtSafetyMin = textBox("txtSafetyMin", page);
    cboHighLat = new QComboBox(page);
    cboHighLat->setObjectName("cboHighLat");
    for (const char* rule : kHighLatRuleTexts) cboHighLat->addItem(translated(rule));
    cboHighLat->setToolTip(tr("Where the sun does not sink to the Fajr or Isha angle, or does not set or rise,\n"
                              "keep Fajr and Isha within this part of the night (sunset to sunrise)."));
    auto* grid = new QGridLayout(page);
    grid->addWidget(new QLabel(tr("Select a Method"), page), 0, 0);
    grid->addWidget(cboCalcMethod, 0, 1);
    grid->addWidget(cboAuthority, 1, 1);
    grid->addWidget(lblAuthority, 2, 0, 1, 2);
    grid->addWidget(dawn, 3, 0);
    grid->addWidget(night, 3, 1);
    grid->addWidget(asr, 4, 0, 1, 2);
    grid->addWidget(adjust, 5, 0, 1, 2);
    cboShafaq = new QComboBox(page);
    cboShafaq->setObjectName("cboShafaq");
    for (const char* shafaq : kShafaqTexts) cboShafaq->addItem(translated(shafaq));
    cboShafaq->setToolTip(tr("The twilight whose end the seasonal rule's Isha follows"));
    //: The twilight (shafaq) of the seasonal rule's Isha.
    lblShafaq = new QLabel(tr("Shafaq"), page);
    lblShafaq->setBuddy(cboShafaq);
    auto* margin = new QHBoxLayout;
    margin->addWidget(new QLabel(tr("Margin of Safety Minutes"), page));
    margin->addWidget(txtSafetyMin);
    margin->addSpacing(12);
    margin->addWidget(lblShafaq);
    margin->addWidget(cboShafaq);
    margin->addStretch();
    grid->addLayout(margin, 6, 0, 1, 2);
    cboAstronomy = new QComboBox(page);
    cboAstronomy->setObjectName("cboAstronomy");
    for (const char* astronomy : kAstronomyTexts) cboAstronomy->addItem(translated(astronomy));
    cboAstronomy->setToolTip(tr("Precise: the sun where it stands at each prayer time.\n"
                                "Classic: the coarser yearly series of earlier versions, minutes off at times."));
    auto* highLat = new QHBoxLayout;
    highLat->addWidget(new QLabel(tr("High Latitudes"), page));
    highLat->addWidget(cboHighLat);
    highLat->addSpacing(12);
    highLat->addWidget(new QLabel(tr("Sun's Position"), page));
    highLat->addWidget(cboAstronomy);
    highLat->addStretch();
    grid->addLayout(highLat, 7, 0, 1, 2);
    grid->setRowStretch(8, 1);
    tabCustomize->addTab(page, tr("&Calculation Method"));
}

void frmCustomize::buildAlertsTab() {
    auto* page = new QWidget;
    auto* fra = frame(tr(" Daily Defaults "), page);
    treAlerts = new QTreeWidget(fra);
    treAlerts->setObjectName("treAlerts");
    treAlerts->setHeaderHidden(true);
    fraAlertProp = frame(QString(), fra, "fraAlertProp");
    cmdSound = new QPushButton(tr("Chan&ge..."), fraAlertProp);
    cmdSound->setObjectName("cmdSound");
    auto* prop = new QHBoxLayout(fraAlertProp);
    prop->addStretch();
    prop->addWidget(cmdSound);
    auto* inner = new QVBoxLayout(fra);
    inner->addWidget(treAlerts);
    inner->addWidget(fraAlertProp);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(fra);
    tabCustomize->addTab(page, tr("&Alert Manager"));
}

// ---------------------------------------------------------------------------------------------
// Load

void frmCustomize::Form_Load() {
    clsPrayTime& pt = PrayTime();
    resumeNext([&] {
        adjustSize();
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
    });
    resumeNext([&] {
        tabCustomize->setCurrentIndex(0);
        txtPeriodName->setEnabled(false);
    });

    // Period names.
    resumeNext([&] {
        lstPeriods->clear();
        for (int p = 0; p < 6; ++p) {
            periods_[p][0] = QString::fromStdString(PeriodNameTable[1][p]);
            periods_[p][1] = QString::fromStdString(PeriodNames[p]);
            lstPeriods->addItem(periods_[p][0]);
        }
        lstPeriods->setCurrentRow(-1);
    });

    // Location.
    resumeNext([&] { txtLocName->setText(QString::fromStdString(pt.LocationName())); });
    resumeNext([&] {
        if (TZMode != 0 && TZMode != 1) TZMode = 0;
        {
            const QSignalBlocker block(cboTimeZone);
            cboTimeZone->clear();
            for (const char* zone : kTimeZones) cboTimeZone->addItem(translated(zone));
            cboTimeZone->setCurrentIndex(TZMode);
        }
        cboTimeZone_Click();
    });
    resumeNext([&] { txtGMT->setText(offsetBoxText(pt.GMTOffsetMinutes())); });
    resumeNext([&] { txtGMT->setEnabled(TZMode != 0); });
    resumeNext([&] { txtLonDegree->setText(QString::number(pt.LonDegree())); });
    resumeNext([&] { txtLonMinute->setText(QString::number(pt.LonMinute())); });
    resumeNext([&] { (pt.LonWestOfGW() ? optLonWest : optLonEast)->setChecked(true); });
    resumeNext([&] { txtLatDegree->setText(QString::number(pt.LatDegree())); });
    resumeNext([&] { txtLatMinute->setText(QString::number(pt.LatMinute())); });
    resumeNext([&] { (pt.LatSouthOfEq() ? optLatSouth : optLatNorth)->setChecked(true); });
    resumeNext([&] { txtAltitude->setText(QString::number(pt.Altitude())); });

    // Method.
    resumeNext([&] {
        {
            const QSignalBlocker block(cboCalcMethod);
            cboCalcMethod->clear();
            for (int i = 0; i < static_cast<int>(std::size(kCalcMethods)); ++i)
                cboCalcMethod->addItem(QString::fromStdString(CalcMethodDisplayName(i)));
            cboCalcMethod->setCurrentIndex(CalcMethod);
        }
        cboCalcMethod_Click();
    });
    resumeNext([&] { cboCalcMethod_Click(); });
    resumeNext([&] { txtSafetyMin->setText(QString::number(pt.MarginOfSafety())); });
    resumeNext([&] {
        const int16_t rule = pt.HighLatRule();
        cboHighLat->setCurrentIndex(rule >= kHighLatNone && rule <= kHighLatAngle ? int{rule} : int{kHighLatNone});
    });
    resumeNext([&] { cboAstronomy->setCurrentIndex(pt.Astronomy() == kAstronomyClassic ? 1 : 0); });
    resumeNext([&] { (pt.ShadowRatio() == 2 ? optHanafi : optShafi)->setChecked(true); });
    resumeNext([&] { txtDawnAngle->setText(numberText(pt.DawnTwilightAngle())); });
    resumeNext([&] { txtDawnMin->setText(numberText(pt.MinutesToSunrise())); });
    resumeNext([&] { txtNightAngle->setText(numberText(pt.NightTwilightAngle())); });
    resumeNext([&] { txtNightMin->setText(numberText(pt.MinutesAfterSunset())); });
    for (int p = 1; p <= 6; ++p) resumeNext([&] { spnAdjust[static_cast<size_t>(p - 1)]->setValue(pt.Adjustment(p)); });
    authority_ = AuthorityName;
    sunsetAngle_ = pt.SunsetTwilightAngle();
    ramadanMinutes_ = pt.RamadanMinutesAfterSunset();
    ramadanCalendar_ = pt.RamadanCalendar();
    rounding_ = pt.Rounding() == kRoundUp ? kRoundUp : kRoundNearest;
    seasonal_ = pt.Shafaq() >= kShafaqGeneral && pt.Shafaq() <= kShafaqWhite;
    cboShafaq->setCurrentIndex(seasonal_ ? pt.Shafaq() - kShafaqGeneral : 0);
    resumeNext([&] { ShowAuthority(); });

    // Alerts.
    for (int16_t a = 1; a <= 5; ++a)
        resumeNext([&] { sounds_[a - 1] = QString::fromStdString(GetSoundFile(AlertToPeriod(a))); });
    resumeNext([&] { LoadAlertSwitches(switches_); });
    resumeNext([&] { BuildAlertTree(); });
    fraAlertProp->hide();
}

// ---------------------------------------------------------------------------------------------
// Handlers

void frmCustomize::lstPeriods_Click() {
    const int row = lstPeriods->currentRow();
    if (row < 0 || row >= 6) return;
    txtPeriodName->setText(periods_[row][1]);
    txtPeriodName->setEnabled(true);
}

void frmCustomize::txtPeriodName_Change() {
    const int row = lstPeriods->currentRow();
    if (row < 0 || row >= 6) return;
    if (!txtPeriodName->text().trimmed().isEmpty()) periods_[row][1] = txtPeriodName->text();
}

void frmCustomize::cboTimeZone_Click() {
    const int index = cboTimeZone->currentIndex();
    txtGMT->setEnabled(index != 0);
    if (index == 0) txtGMT->setText(offsetBoxText(GetUTCOffset() / 60));
}

void frmCustomize::cboCalcMethod_Click() {
    const int index = cboCalcMethod->currentIndex();
    for (QLineEdit* box : {txtDawnAngle, txtDawnMin, txtNightAngle, txtNightMin}) box->setEnabled(false);
    if (index >= 0 && index < kCustomMethod) {
        // A preset has no authority and no rules beyond its four values.
        authority_.clear();
        sunsetAngle_ = ramadanMinutes_ = 0;
        ramadanCalendar_ = kRamadanChosenCalendar;
        rounding_ = kRoundNearest;
        seasonal_ = false;
        ShowAuthority();
        // Each text runs its box's change rule, as the user's typing would.
        const CalcMethodPreset& m = kCalcMethods[index];
        txtDawnAngle->setText(numberText(m.dawnTwilightAngle));
        txtDawnMin->setText(numberText(m.minutesToSunrise));
        txtNightAngle->setText(numberText(m.nightTwilightAngle));
        txtNightMin->setText(numberText(m.minutesAfterSunset));
    } else {
        txtDawnAngle->setEnabled(true);
        PairRule(txtDawnAngle, txtDawnMin);
        txtNightAngle->setEnabled(true);
        txtNightMin->setEnabled(true);
    }
}

// Picking an authority fills the custom method's boxes, the Asr rule and the adjustments, and
// sets the margin to 0 (the authority's own minutes are its margin; the user may raise it
// again); the list goes back to "Pick an authority…".
void frmCustomize::cboAuthority_Click() {
    const int index = cboAuthority->currentIndex();
    if (index < 1 || index > static_cast<int>(std::size(kAuthorities))) return;
    const Authority& a = kAuthorities[index - 1];
    cboCalcMethod->setCurrentIndex(kCustomMethod);
    txtDawnAngle->setText(numberText(a.dawnTwilightAngle));
    txtDawnMin->setText(numberText(a.minutesToSunrise));
    txtNightAngle->setText(numberText(a.nightTwilightAngle));
    txtNightMin->setText(numberText(a.minutesAfterSunset));
    PairRule(txtDawnAngle, txtDawnMin);
    PairRule(txtNightAngle, txtNightMin);
    (a.shadowRatio == 2 ? optHanafi : optShafi)->setChecked(true);
    for (size_t p = 0; p < 6; ++p) spnAdjust[p]->setValue(a.adjustments[p]);
    authority_ = a.name;
    sunsetAngle_ = a.sunsetTwilightAngle;
    ramadanMinutes_ = a.ramadanMinutesAfterSunset;
    ramadanCalendar_ = a.ramadanCalendar;
    rounding_ = a.rounding;
    seasonal_ = a.shafaq != kShafaqNone;
    if (seasonal_) cboShafaq->setCurrentIndex(a.shafaq - kShafaqGeneral);
    txtSafetyMin->setText("0");
    const QSignalBlocker block(cboAuthority);
    cboAuthority->setCurrentIndex(0);
    ShowAuthority();
}

// The label under the lists: the authority the custom method follows and the rules that no box
// shows (a Maghrib angle, the Ramadan Isha, the seasonal rule, the rounding); hidden when there
// is nothing to say. The shafaq list shows with the seasonal rule only.
void frmCustomize::ShowAuthority() {
    QStringList parts;
    //: %1: the name of a religious authority whose timetables the custom method follows.
    if (!authority_.empty()) parts << tr("Following %1").arg(QString::fromStdString(AuthorityDisplayName(authority_)));
    //: %1: an angle in degrees.
    if (sunsetAngle_ != 0) parts << tr("Maghrib at %1° below the horizon").arg(numberText(sunsetAngle_));
    if (ramadanMinutes_ != 0) {
        //: %1: a number of minutes.
        QString rule = tr("Isha %1 minutes after Maghrib in Ramadan");
        if (ramadanCalendar_ == kRamadanUmmAlQura)
            //: %1: a number of minutes. Ramadan as the Umm Al-Qura calendar counts it.
            rule = tr("Isha %1 minutes after Maghrib in Ramadan of the Umm Al-Qura calendar");
        parts << rule.arg(numberText(ramadanMinutes_));
    }
    if (seasonal_) parts << tr("Fajr and Isha within the season's minutes of sunrise and sunset");
    if (rounding_ == kRoundUp) parts << tr("times rounded up to the minute, sunrise down");
    lblShafaq->setVisible(seasonal_);
    cboShafaq->setVisible(seasonal_);
    //: Between the parts of the authority's description.
    lblAuthority->setText(parts.join(tr("; ")));
    lblAuthority->setVisible(!parts.isEmpty());
}

// A degree, minute or margin box whose value is 0 (or no number) reads "0".
void frmCustomize::ZeroRule(QLineEdit* box) {
    if (val(text(box)) == 0 && box->text() != "0") SetZero(box);
}

// The "0" stands selected, so the next digit typed replaces it.
void frmCustomize::SetZero(QLineEdit* box) {
    box->setText("0");
    box->selectAll();
}

// A twilight angle of 0 hands the time over to the minutes, and minutes of 0 to the angle.
void frmCustomize::PairRule(QLineEdit* box, QLineEdit* partner) {
    if (val(text(box)) == 0) {
        partner->setEnabled(true);
        if (box->text() != "0") SetZero(box);
    } else {
        partner->setEnabled(false);
    }
}

void frmCustomize::txtSafetyMin_Validate() { ValidateNumber(txtSafetyMin); }

// The limits of each number box: what is outside them is answered with the message and
// replaced (the margin by its default 2, the altitude by 0, the others by the nearer limit).
// The time-zone box checks itself.
const frmCustomize::NumberRange* frmCustomize::RangeOf(const QLineEdit* box) const {
    for (const NumberRange& r : ranges_)
        if (r.box == box) return &r;
    return nullptr;
}

void frmCustomize::ValidateNumber(QLineEdit* box) {
    const NumberRange* r = RangeOf(box);
    if (!r) return;
    const double v = val(text(box));
    if (v >= r->low && v <= r->high) return;
    MsgBox(tr("Value must be between %1 and %2, please try again.").arg(QString::number(r->low), QString::number(r->high)),
           vbInformation);
    box->setText(r->replacement >= 0 ? QString::number(r->replacement) : QString::number(v < r->low ? r->low : r->high));
}

void frmCustomize::txtGMT_Validate() {
    int32_t minutes = 0;
    if (!txtGMT->isEnabled() || boxOffset(txtGMT, minutes)) return;
    MsgBox(tr("Value must be between -12:00 and +14:00, please try again."), vbInformation);
    txtGMT->setText(offsetBoxText(PrayTime().GMTOffsetMinutes()));
}

bool frmCustomize::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        const auto& box = *static_cast<QLineEdit*>(watched);
        const bool drop = watched == txtGMT                                         ? DropOffsetKey(key, box)
                          : watched == txtDawnAngle || watched == txtNightAngle ? DropDecimalKey(key, box)
                                                                                : DropNumericKey(key, box);
        if (drop) return true;
    } else if (event->type() == QEvent::FocusOut && watched == txtGMT) {
        resumeNext([&] { txtGMT_Validate(); });
    } else if (auto* box = qobject_cast<QLineEdit*>(watched); event->type() == QEvent::FocusOut && RangeOf(box)) {
        resumeNext([&] { ValidateNumber(box); });
    } else if (event->type() == QEvent::MouseButtonRelease && (watched == lblUSAFind || watched == lblWorldFind)) {
        OpenURL(this, watched == lblUSAFind ? kUSAFindURL : kWorldFindURL, SW_SHOW);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------
// The alert tree

QString frmCustomize::AlertNodeText(int alert) const {
    const int p = AlertToPeriod(static_cast<int16_t>(alert)) - 1;
    const QString& description = periods_[p][0];
    //: %1: what the period is (Dawn, Noon ...); %2: the prayer's name; %3: its sound file.
    if (switches_[alert - 1].sound) return tr("%1 / %2 - %3").arg(description, periods_[p][1], sounds_[alert - 1]);
    //: %1: what the period is (Dawn, Noon ...); %2: the prayer's name; its sound alert is off.
    return tr("%1 / %2 - OFF").arg(description, periods_[p][1]);
}

void frmCustomize::BuildAlertTree() {
    treAlerts->clear();
    auto* root = new QTreeWidgetItem(treAlerts, QStringList{tr("Installed Alerts")});
    root->setIcon(0, owner_.TreeImage("BELL"));
    root->setExpanded(true);
    const AlertKind& kindRow = AlertKinds[0];
    auto* kind = new QTreeWidgetItem(root, QStringList{QString::fromStdString(kindRow.name)});
    kind->setIcon(0, owner_.TreeImage(QString::fromStdString(kindRow.imageKey)));
    for (int a = 1; a <= 5; ++a) {
        auto* node = new QTreeWidgetItem(kind, QStringList{AlertNodeText(a)});
        node->setIcon(0, owner_.TreeImage(switches_[a - 1].sound ? "GREEN" : "RED"));
        node->setData(0, Qt::UserRole, a);
    }
    root->child(0)->setExpanded(true);
}

void frmCustomize::treAlerts_NodeClick(QTreeWidgetItem* node) {
    if (!node) return;
    const int tag = node->data(0, Qt::UserRole).toInt();
    if (tag < 1 || tag > 5) {
        fraAlertProp->hide();
        return;
    }
    fraAlertProp->show();
    // The prayer's kind is its parent's: the one kind of the table (any other name counts as it).
    cmdSound->setEnabled(switches_[tag - 1].sound);
}

void frmCustomize::treAlerts_DblClick() {
    QTreeWidgetItem* node = treAlerts->currentItem();
    if (!node) return;
    const int tag = node->data(0, Qt::UserRole).toInt();
    if (tag < 1 || tag > 5) return;
    switches_[tag - 1].sound = !switches_[tag - 1].sound;
    node->setText(0, AlertNodeText(tag));
    node->setIcon(0, owner_.TreeImage(switches_[tag - 1].sound ? "GREEN" : "RED"));
    cmdSound->setEnabled(switches_[tag - 1].sound);
}

void frmCustomize::cmdSound_Click() {
    QTreeWidgetItem* node = treAlerts->currentItem();
    const int tag = node ? node->data(0, Qt::UserRole).toInt() : 0;
    if (tag < 1 || tag > 5) return;  // no prayer selected
    const QString file = ShowOpen(this, kSoundFilter);
    if (!file.trimmed().isEmpty()) sounds_[tag - 1] = file;
    node->setText(0, AlertNodeText(tag));
    if (treAlerts->isVisible()) treAlerts->setFocus();
}

// ---------------------------------------------------------------------------------------------
// OK

void frmCustomize::cmdOK_Click() {
    // A number still being typed is checked as if the focus had left it.
    for (const NumberRange& r : ranges_) resumeNext([&] { ValidateNumber(r.box); });
    resumeNext([&] { txtGMT_Validate(); });
    QApplication::setOverrideCursor(Qt::WaitCursor);
    clsPrayTime& pt = PrayTime();

    resumeNext([&] {
        for (int p = 0; p < 6; ++p) PeriodNames[p] = periods_[p][1].toStdString();
        SavePeriodNames();
    });

    resumeNext([&] { pt.LocationName(text(txtLocName)); });
    resumeNext([&] { pt.Altitude(toInt16(cdbl(text(txtAltitude)))); });
    resumeNext([&] { TZMode = cboTimeZone->currentIndex(); });
    resumeNext([&] {
        int32_t minutes = GetUTCOffset() / 60;
        if (TZMode != 0 && !boxOffset(txtGMT, minutes)) return;
        pt.GMTOffsetMinutes(minutes);
        pt.AutoZone(TZMode == 0);
    });
    resumeNext([&] { pt.LonDegree(toInt16(val(text(txtLonDegree)))); });
    resumeNext([&] { pt.LonMinute(toInt16(val(text(txtLonMinute)))); });
    resumeNext([&] { pt.LonWestOfGW(optLonWest->isChecked()); });
    resumeNext([&] { pt.LatDegree(toInt16(val(text(txtLatDegree)))); });
    resumeNext([&] { pt.LatMinute(toInt16(val(text(txtLatMinute)))); });
    resumeNext([&] { pt.LatSouthOfEq(optLatSouth->isChecked()); });
    resumeNext([&] { SaveLocation(); });

    resumeNext([&] { CalcMethod = static_cast<int16_t>(cboCalcMethod->currentIndex()); });
    resumeNext([&] { pt.MarginOfSafety(toInt16(cdbl(text(txtSafetyMin)))); });
    resumeNext([&] { pt.ShadowRatio(optHanafi->isChecked() ? 2 : 1); });
    resumeNext([&] { pt.HighLatRule(static_cast<int16_t>(cboHighLat->currentIndex())); });
    resumeNext([&] { pt.Astronomy(cboAstronomy->currentIndex() == 1 ? kAstronomyClassic : kAstronomyPrecise); });
    resumeNext([&] { pt.DawnTwilightAngle(cdbl(text(txtDawnAngle))); });
    resumeNext([&] { pt.MinutesToSunrise(cdbl(text(txtDawnMin))); });
    resumeNext([&] { pt.NightTwilightAngle(cdbl(text(txtNightAngle))); });
    resumeNext([&] { pt.MinutesAfterSunset(cdbl(text(txtNightMin))); });
    pt.SunsetTwilightAngle(sunsetAngle_);
    pt.RamadanMinutesAfterSunset(ramadanMinutes_);
    pt.RamadanCalendar(ramadanCalendar_);
    pt.Rounding(rounding_);
    pt.Shafaq(seasonal_ ? static_cast<int16_t>(kShafaqGeneral + cboShafaq->currentIndex()) : int16_t{kShafaqNone});
    for (int p = 1; p <= 6; ++p) pt.Adjustment(p, static_cast<int16_t>(spnAdjust[static_cast<size_t>(p - 1)]->value()));
    AuthorityName = CalcMethod == kCustomMethod ? authority_ : std::string();
    resumeNext([&] { SaveMethod(); });

    for (int16_t a = 1; a <= 5; ++a)
        resumeNext([&] { SaveSoundFile(AlertToPeriod(a), sounds_[a - 1].toStdString()); });
    resumeNext([&] { SaveAlertSwitches(switches_); });

    resumeNext([&] { owner_.mnuViewRefresh_Click(); });
    QApplication::restoreOverrideCursor();
    accept();
}

}  // namespace nv
