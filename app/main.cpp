// Noorvale: the prayer-time desktop program.
#include <QApplication>

#include "NoorvaleMain.h"
#include "QtMsgBox.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Noorvale");
    nv::installMessageBoxes();
    nv::InstallMsgBoxTestHook();
    return nv::Main();
}
