#include "fQuenlo.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QThread>

#include "MsgBox.h"
#include "VbError.h"
#include "cFile.h"
#include "UpdaterApp.h"
#include "mXOR.h"

namespace nv {

namespace {
double& handOverWait() {
    static double seconds = 5;
    return seconds;
}

void refuse(const char* code) {
    //: %1 is an error code (QNL101 ...) that stays as it is.
    MsgBox(QCoreApplication::translate("nv::fQuenlo", "Cannot run program...\r\nERR# %1 ...").arg(code).toStdString(), vbExclamation,
           QCoreApplication::translate("nv::fQuenlo", "Quenlo Message").toStdString());
}
}  // namespace

void fQuenlo::Wait(double seconds) {
    QElapsedTimer timer;
    timer.start();
    const qint64 until = static_cast<qint64>(seconds * 1000);
    while (timer.elapsed() < until) {
        QCoreApplication::processEvents();
        QThread::msleep(10);
    }
}

void fQuenlo::setHandOverWait(double seconds) { handOverWait() = seconds; }

fQuenlo::fQuenlo(QWidget* parent) : QWidget(parent) {
    setObjectName("fQuenlo");
    setWindowTitle("Quenlo");
    setFixedSize(360, 70);
    Label1 = new QLabel(tr("ORVEN Tarvo update  is in progress, Please wait..."), this);
    Label1->setGeometry(16, 20, 328, 30);
}

void fQuenlo::Form_Load(const std::string& commandLine) {
    ErrorBoxTrap trap("Quenlo.fQuenlo.Form_Load");
    show();
    repaint();
    const std::string s = Scramble(commandLine);
    do {
        if (s.size() <= 1) {
            refuse("QNL101");
            break;
        }
        const std::vector<std::string> fields = SplitFields(s);
        if (fields.size() < 3) {
            refuse("QNL102");
            break;
        }
        // Only Tarvo beside Quenlo is ever replaced, and only by the new Tarvo in Tarvo's own work
        // folder. The two paths are matched as a whole, never split at ",", so a "," in a folder
        // name cannot make another file the target.
        const std::string workFolder = WorkFolder(GetTempPath(), ExeFolder());
        const std::string handOver = SelfUpdateHandOver(workFolder, ExeFolder(), "Tarvo");
        if (workFolder.empty() || s.compare(0, handOver.size(), handOver) != 0) {
            refuse("QNL104");
            break;
        }
        const std::string source = workFolder + "Tarvo";
        const std::string target = ExeFolder() + "Tarvo";
        if (!FileExists(source) || !FileExists(target)) {
            refuse("QNL103");
            break;
        }
        Wait(handOverWait());
        // Through a temporary file and a rename: the old executable may still be busy, and the
        // new one keeps its permission bits.
        trap(__LINE__, [&] {
            cFile f;
            f.PathFileName(source);
            f.Install(target);
        });
        if (FileExists(target)) {
            const std::string tail = s.substr(handOver.size());
            trap(__LINE__, [&] {
                if (!QProcess::startDetached(QString::fromStdString(target), {QString::fromStdString(Scramble(tail))}))
                    raiseError(kErrFileNotFound, "Quenlo.fQuenlo.Form_Load");
            });
        }
    } while (false);
    close();
}

}  // namespace nv
