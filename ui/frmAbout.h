// frmAbout: the About box of the Help menu. It shows the program's title and version and can
// start the system's System Information tool, found through its registry entries under
// HKEY_LOCAL_MACHINE; where there is none it says "System Information Is Unavailable At This
// Time".
#pragma once

#include <QDialog>
#include <QString>

#include "modRegistry.h"

class QLabel;
class QPushButton;

namespace nv {

class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr);

    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblDisclaimer = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;

    // Starts the System Information tool, or says that it is unavailable.
    void StartSysInfo();

    // Reads one registry value as text: a string up to its terminating zero, a 32-bit number
    // as its value. False when the key or the value is missing.
    static bool GetKeyValue(HKEY KeyRoot, const std::string& KeyName, const std::string& SubKeyRef, std::string& KeyVal);

private:
    void cmdSysInfo_Click() { StartSysInfo(); }
};

}  // namespace nv
