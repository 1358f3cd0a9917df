#include "QtMsgBox.h"

#include <QApplication>
#include <QMessageBox>

namespace nv {

void installMessageBoxes() {
    setMsgBoxHandler([](const std::string& text, int style, const std::string& title) {
        QMessageBox box(QApplication::activeWindow());
        box.setWindowTitle(QString::fromStdString(title));
        box.setText(QString::fromStdString(text));
        const int icon = style & 0x70;
        box.setIcon(icon == vbQuestion      ? QMessageBox::Question
                    : icon == vbExclamation ? QMessageBox::Warning
                    : icon == vbInformation ? QMessageBox::Information
                    : icon == vbCritical    ? QMessageBox::Critical
                                            : QMessageBox::NoIcon);
        if ((style & 7) == vbYesNo) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            return box.exec() == QMessageBox::Yes ? int{vbYes} : int{vbNo};
        }
        if ((style & 7) == vbAbortRetryIgnore) {
            box.setStandardButtons(QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore);
            const int answer = box.exec();
            return answer == QMessageBox::Retry ? int{vbRetry} : answer == QMessageBox::Ignore ? int{vbIgnore} : int{vbAbort};
        }
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return int{vbOK};
    });
}

int MsgBox(const QString& text, int style, const QString& title) {
    return MsgBox(text.toStdString(), style, title.toStdString());
}

}  // namespace nv
