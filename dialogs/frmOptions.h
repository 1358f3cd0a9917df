// frmOptions: the modal "Options" dialog for the display and update options: the view shown at
// start-up, the update reminder, the desktop notice, the language (from the next start), the
// calendar's date, Hijri-date and time formats, the Hijri calendar with its day adjustment, its
// highlight colour, grid lines and column auto-sizing, and the look of the two analog clocks with
// the compact window's control bar. OK applies the values to the running windows and has each
// window save its own; Cancel or closing the window discards them.
//
// Every control carries its name as its objectName (tabOptions, cboView, optUpdDisable,
// optUpdReminder, txtUpdDays, chkDesktopNotice, cboLanguage, cboDate, cboHijri, cboHijriCalendar,
// spnHijriAdjust, cboTime, picMarkColor, cmdColorPicker, chkGridlines, chkAutoResize,
// picNormalBack ... cboPosition, cmdOK, cmdCancel). The colour swatches hold their colour (a
// COLORREF number) as the property "Color".
#pragma once

#include <QDialog>
#include <QStringList>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QFrame;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace nv {

class DialogOwner;
struct HijriCalendar;

class frmOptions : public QDialog {
    Q_OBJECT

public:
    explicit frmOptions(DialogOwner& owner);

    // The index of the first element equal to `value` (exact, case-sensitive), or -1.
    static int16_t SeekArray(const QStringList& array, const QString& value);

    // A swatch's colour.
    static int32_t SwatchColor(const QFrame* swatch);

    QTabWidget* tabOptions = nullptr;
    QComboBox* cboView = nullptr;
    QRadioButton* optUpdDisable = nullptr;
    QRadioButton* optUpdReminder = nullptr;
    QLineEdit* txtUpdDays = nullptr;
    QCheckBox* chkDesktopNotice = nullptr;
    QComboBox* cboLanguage = nullptr;  // item 0 "System default", then Languages() in their own names
    QComboBox* cboDate = nullptr;
    QComboBox* cboHijri = nullptr;
    QComboBox* cboHijriCalendar = nullptr;  // by HijriCalendarKind: tabular, Umm Al-Qura
    QSpinBox* spnHijriAdjust = nullptr;      // days, -2..2
    QComboBox* cboTime = nullptr;
    QFrame* picMarkColor = nullptr;
    QPushButton* cmdColorPicker = nullptr;
    QCheckBox* chkGridlines = nullptr;
    QCheckBox* chkAutoResize = nullptr;
    QFrame* picNormalBack = nullptr;
    QPushButton* cmdNormalBack = nullptr;
    QFrame* picNormalBorder = nullptr;
    QPushButton* cmdNormalBorder = nullptr;
    QLineEdit* txtNormalPic = nullptr;
    QPushButton* cmdNormalPic = nullptr;
    QCheckBox* chkNormalNumbers = nullptr;
    QCheckBox* chkNormalSeconds = nullptr;
    QFrame* picCompactBack = nullptr;
    QPushButton* cmdCompactBack = nullptr;
    QFrame* picCompactBorder = nullptr;
    QPushButton* cmdCompactHand = nullptr;
    QLineEdit* txtCompactPic = nullptr;
    QPushButton* cmdCompactPic = nullptr;
    QCheckBox* chkCompactNumbers = nullptr;
    QCheckBox* chkCompactSeconds = nullptr;
    QCheckBox* chkCompactBorders = nullptr;
    QFrame* picPosBack = nullptr;
    QPushButton* cmdPosBack = nullptr;
    QFrame* picPosFore = nullptr;
    QPushButton* cmdPosFore = nullptr;
    QComboBox* cboPosition = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildGeneralTab();
    void buildCalendarTab();
    void buildNormalTab();
    void buildCompactTab();

    void Form_Load();
    void cmdOK_Click();
    void txtUpdDays_Validate();
    // The Hijri calendar and adjustment the dialog shows, and the Hijri formats' samples (today)
    // in them.
    HijriCalendar ChosenCalendar() const;
    void ShowHijriSamples();
    // The colour picker started from the swatch's colour; a cancel keeps it.
    void PickColor(QFrame* swatch);
    // The picture picker; an empty text when the user cancels.
    QString PickPicture();

    DialogOwner& owner_;
    QStringList dateFormats_, hijriFormats_, timeFormats_;
};

}  // namespace nv
