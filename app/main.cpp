// Noorvale: the prayer-time desktop program.
#include <QApplication>

#include "NoorvaleMain.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Noorvale");
    return nv::Main();
}
