// The yardstick for Noorvale's start: the least a Qt Widgets program does to show a main window
// with a caption on the same X server.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Bare - Qt window");
    window.resize(640, 480);
    window.show();
    return QApplication::exec();
}
