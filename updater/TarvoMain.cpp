// Tarvo, the update utility: its one argument is the scrambled parameter text that Noorvale
// (or Quenlo, after a self-update) passes on.
#include <QApplication>

#include <string>

#include "FaultReport.h"
#include "Language.h"
#include "Log.h"
#include "MsgBox.h"
#include "QtMsgBox.h"
#include "UpdaterApp.h"
#include "frmTarvo.h"
#include "modTarvo.h"

int main(int argc, char** argv) {
    // Only the recovery of an install cut short: no window, no network.
    if (argc == 2 && std::string(argv[1]) == nv::kRecoverArgument) {
        nv::SetAppName("Tarvo");
        return nv::RecoverOnly();
    }
    QApplication app(argc, argv);
    nv::installLogFile("Tarvo");
    nv::installFaultReport("Tarvo");
    nv::setAppTitle("Tarvo");
    nv::SetAppName("Tarvo");
    nv::InstallLanguageWithoutStore();
    nv::installMessageBoxes();
    nv::InstallMsgBoxTestHook();
    const std::string commandLine = nv::CommandLineText(argc, argv);
    if (!nv::Main(commandLine)) return 0;
    return app.exec();
}
