// The yardsticks for Noorvale's start: the least a Qt Widgets program does to show a main window
// with a caption on the same X server; with --text, the least such a window with any text does
// (a menu bar and a label, which load the fonts before the window can be mapped).
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Bare - Qt window");
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0) {
        window.menuBar()->addMenu("&File");
        window.setCentralWidget(new QLabel("Prayer times"));
    }
    window.resize(640, 480);
    window.show();
    return QApplication::exec();
}
