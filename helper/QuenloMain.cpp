// Quenlo, the helper that replaces Tarvo's executable during a self-update.
#include <QApplication>

#include <string>

#include "MsgBox.h"
#include "QtMsgBox.h"
#include "UpdaterApp.h"
#include "fQuenlo.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    nv::setAppTitle("Quenlo");
    nv::SetAppName("Quenlo");
    if (!nv::InstallMsgBoxTestHook()) nv::installMessageBoxes();
    std::string commandLine;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) commandLine += ' ';
        commandLine += argv[i];
    }
    nv::fQuenlo form;
    form.Form_Load(commandLine);
    return 0;
}
