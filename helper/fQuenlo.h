// The window of Quenlo, the helper that replaces Tarvo's executable: it waits for Tarvo to
// end, installs the new executable over the old one and starts it again with the parameter
// text the old one had received.
#pragma once

#include <QWidget>

#include <string>

class QLabel;

namespace nv {

class fQuenlo : public QWidget {
    Q_OBJECT
public:
    explicit fQuenlo(QWidget* parent = nullptr);

    // The whole run, from the scrambled command-line text: "source,target," followed by Tarvo's
    // parameter text. Returns when the work is done (or refused with its message).
    void Form_Load(const std::string& commandLine);

    // Waits the number of seconds, letting pending window events run.
    static void Wait(double seconds);

    // Seconds Form_Load waits for Tarvo to end (5).
    static void setHandOverWait(double seconds);

private:
    QLabel* Label1;
};

}  // namespace nv
