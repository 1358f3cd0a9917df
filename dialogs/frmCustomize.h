// frmCustomize: the modal "Customize" dialog in which the user sets what the prayer times depend
// on: the place, the calculation method with its twilight angles and minutes, the Asr juristic
// method and the margin of safety, the names of the six periods, and each prayer's sound alert.
// It works on copies; only OK writes them into the shared calculator and the settings, and then
// refreshes the main window. Cancel or closing the window discards them.
//
// Every control carries its name as its objectName (tabCustomize, lstPeriods, txtPeriodName,
// txtLocName, txtLatDegree ... cboTimeZone, txtGMT, lblUSAFind, lblWorldFind, cboCalcMethod,
// txtDawnAngle, txtDawnMin, txtNightAngle, txtNightMin, optShafi, optHanafi, txtSafetyMin,
// cboAuthority, lblAuthority, spnAdjust1 .. spnAdjust6, cboHighLat, cboAstronomy, cboShafaq,
// treAlerts, fraAlertProp, cmdSound, cmdOK, cmdCancel).
#pragma once

#include <QDialog>
#include <vector>
#include <array>
#include <string>

#include "modNoorvale.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace nv {

class DialogOwner;

// The two find links: a gazetteer of places in the United States and a table of the
// coordinates of world cities.
inline constexpr const char* kUSAFindURL = "https://edits.nationalmap.gov/apps/gaz-domestic/public/search/names";
inline constexpr const char* kWorldFindURL = "https://en.wikipedia.org/wiki/List_of_cities_by_latitude";

class frmCustomize : public QDialog {
    Q_OBJECT

public:
    explicit frmCustomize(DialogOwner& owner);

    QTabWidget* tabCustomize = nullptr;
    QListWidget* lstPeriods = nullptr;
    QLineEdit* txtPeriodName = nullptr;
    QLineEdit* txtLocName = nullptr;
    QLineEdit* txtLatDegree = nullptr;
    QLineEdit* txtLatMinute = nullptr;
    QRadioButton* optLatNorth = nullptr;
    QRadioButton* optLatSouth = nullptr;
    QLineEdit* txtLonDegree = nullptr;
    QLineEdit* txtLonMinute = nullptr;
    QRadioButton* optLonEast = nullptr;
    QRadioButton* optLonWest = nullptr;
    QLineEdit* txtAltitude = nullptr;
    QComboBox* cboTimeZone = nullptr;
    QLineEdit* txtGMT = nullptr;
    QLabel* lblUSAFind = nullptr;
    QLabel* lblWorldFind = nullptr;
    QComboBox* cboCalcMethod = nullptr;
    QLineEdit* txtDawnAngle = nullptr;
    QLineEdit* txtDawnMin = nullptr;
    QLineEdit* txtNightAngle = nullptr;
    QLineEdit* txtNightMin = nullptr;
    QRadioButton* optShafi = nullptr;
    QRadioButton* optHanafi = nullptr;
    QLineEdit* txtSafetyMin = nullptr;
    QComboBox* cboAuthority = nullptr;  // item 0 "Pick an authority…", then the authorities
    QLabel* lblAuthority = nullptr;     // the picked authority and its special rules
    std::array<QSpinBox*, 6> spnAdjust{};  // spnAdjust1 .. spnAdjust6: minutes for Fajr .. Isha
    QComboBox* cboHighLat = nullptr;  // the high-latitude rule, in the order of HighLatRules
    QComboBox* cboAstronomy = nullptr;  // how the sun is worked out, in the order of Astronomies
    // The shafaq of the seasonal twilight rule (general, red, white); shown with the rule only.
    QComboBox* cboShafaq = nullptr;
    QLabel* lblShafaq = nullptr;
    QTreeWidget* treAlerts = nullptr;
    QGroupBox* fraAlertProp = nullptr;
    QPushButton* cmdSound = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildPeriodsTab();
    void buildLocationTab();
    void buildMethodTab();
    void buildAlertsTab();

    void Form_Load();
    void cmdOK_Click();
    void lstPeriods_Click();
    void txtPeriodName_Change();
    void cboTimeZone_Click();
    void cboCalcMethod_Click();
    void cboAuthority_Click();
    void ShowAuthority();
    void ZeroRule(QLineEdit* box);
    void SetZero(QLineEdit* box);
    void PairRule(QLineEdit* box, QLineEdit* partner);
    void txtSafetyMin_Validate();
    void txtGMT_Validate();
    struct NumberRange {
        QLineEdit* box;
        int low, high;
        int replacement;  // what replaces a value outside; -1: the nearer limit
    };
    const NumberRange* RangeOf(const QLineEdit* box) const;
    void ValidateNumber(QLineEdit* box);
    std::vector<NumberRange> ranges_;
    void BuildAlertTree();
    QString AlertNodeText(int alert) const;
    void treAlerts_NodeClick(QTreeWidgetItem* node);
    void treAlerts_DblClick();
    void cmdSound_Click();

    DialogOwner& owner_;
    // Column 0: the descriptive name of period p; column 1: the user's name ([p - 1]).
    std::array<std::array<QString, 2>, 6> periods_;
    AlertRecords switches_{};
    std::array<QString, 5> sounds_;  // [a - 1]
    // The custom method's authority and the rules the boxes do not show; written on OK.
    std::string authority_;
    double sunsetAngle_ = 0, ramadanMinutes_ = 0;
    int16_t ramadanCalendar_ = 0;
    int16_t rounding_ = 0;
    bool seasonal_ = false;  // the seasonal twilight rule, with cboShafaq's shafaq
};

}  // namespace nv
