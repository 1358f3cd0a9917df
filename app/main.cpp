// Noorvale: the prayer-time desktop program.
#include <QApplication>

#include "App.h"
#include "ProgramLanguage.h"
#include "Log.h"
#include "NoorvaleMain.h"
#include "QtMsgBox.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Noorvale");
    nv::installLogFile("Noorvale");
    nv::App::SetIdentity();
    nv::RecoverInterruptedUpdate();
    nv::InstallLanguage();
    nv::installMessageBoxes();
    nv::InstallMsgBoxTestHook();
    return nv::Main();
}
