// Quenlo, the helper that replaces Tarvo's executable during a self-update.
#include <QApplication>

#include <string>

#include "FaultReport.h"
#include "Language.h"
#include "Log.h"
#include "MsgBox.h"
#include "QtMsgBox.h"
#include "UpdaterApp.h"
#include "fQuenlo.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    nv::installLogFile("Quenlo");
    nv::installFaultReport("Quenlo");
    nv::setAppTitle("Quenlo");
    nv::SetAppName("Quenlo");
    nv::InstallLanguageWithoutStore();
    nv::installMessageBoxes();
    nv::InstallMsgBoxTestHook();
    const std::string commandLine = nv::CommandLineText(argc, argv);
    nv::fQuenlo form;
    form.Form_Load(commandLine);
    return 0;
}
