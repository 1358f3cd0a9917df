#include "frmCompact.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFrame>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QToolButton>
#include <QWindow>

#include "Bidi.h"
#include "FitLabel.h"
#include "Clock.h"
#include "ColorRef.h"
#include "Twips.h"
#include "VbError.h"
#include "QtPlacement.h"
#include "modNoorvale.h"
#include "modRegistry.h"

namespace nv {

namespace {

const std::string kClockKey = std::string(kNoorvaleKey) + "\\Options\\Compact\\picSmClock";
const std::string kBarKey = std::string(kNoorvaleKey) + "\\Options\\Compact\\fraControl";
const std::string kFormKey = std::string(kNoorvaleKey) + "\\System\\frmCompact";
const char* const kFormName = "frmCompact";

// Designer layout in twips.
constexpr int kFormWidth = 2760, kFormHeight = 3240;
constexpr int kClockTop = 360, kClockSize = 2250;
constexpr int kBarTop = 15, kBarHeight = 315;
constexpr int kButtonSize = 255, kButtonTop = 30;

int32_t readLong(const std::string& key, const char* name, int32_t defaultValue) {
    int32_t value = defaultValue;
    resumeNext([&] { value = ReadRegValue(HKEY_CURRENT_USER, key, name, RegValue(defaultValue)).toLong(); });
    return value;
}

// A 0/1 switch; anything else reads as `otherwise`.
int32_t readSwitch(const std::string& key, const char* name, int32_t defaultValue, int32_t otherwise) {
    const int32_t value = readLong(key, name, defaultValue);
    return value == 0 || value == 1 ? value : otherwise;
}

// A colour; a negative number reads as `otherwise`.
int32_t readColor(const std::string& key, const char* name, int32_t defaultValue, int32_t otherwise) {
    const int32_t value = readLong(key, name, defaultValue);
    return value < 0 ? otherwise : value;
}

// A picture of the program folder's graphics/.
QString graphicsFile(const char* name) {
    return QString::fromStdString(ProgramFolder()) + QStringLiteral("/graphics/") + QLatin1String(name);
}

}  // namespace

QString& SmClockPicturePath() {
    static QString path;
    return path;
}

frmCompact::frmCompact(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmCompact"));
    setWindowTitle(QStringLiteral("Noorvale"));
    setFixedSize(twipsToPixels(kFormWidth), twipsToPixels(kFormHeight));

    picSmClock = new Clock(this);
    picSmClock->setObjectName(QStringLiteral("picSmClock"));
    picSmClock->setAccessibleName(tr("Compact Clock"));
    picSmClock->setGeometry(0, twipsToPixels(kClockTop), twipsToPixels(kClockSize), twipsToPixels(kClockSize));

    fraControl = new QFrame(this);
    fraControl->setObjectName(QStringLiteral("fraControl"));
    fraControl->setAutoFillBackground(true);
    fraControl->setGeometry(0, twipsToPixels(kBarTop), twipsToPixels(kClockSize), twipsToPixels(kBarHeight));

    //: Shown until the first tick replaces it with the next prayer and its time.
    lblMessage = new FitLabel(tr("Prayer at 00:00 PM"), fraControl);  // the whole message shows
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setFont(QApplication::font());  // the user's own size, not a fixed one
    lblMessage->setGeometry(twipsToPixels(45), 0, twipsToPixels(kClockSize - 2 * kButtonSize - 90),
                            twipsToPixels(kBarHeight));

    chkOnTop = new QToolButton(fraControl);
    chkOnTop->setObjectName(QStringLiteral("chkOnTop"));
    chkOnTop->setCheckable(true);
    chkOnTop->setAutoRaise(true);
    chkOnTop->setToolTip(tr("Push Pin to Keep OnTop"));
    chkOnTop->setAccessibleName(tr("Keep on top"));
    chkOnTop->setAccessibleDescription(tr("Keeps the compact clock above all other windows"));
    QIcon pin(graphicsFile("PinOut.png"));
    pin.addFile(graphicsFile("PinIn.png"), QSize(), QIcon::Normal, QIcon::On);
    chkOnTop->setIcon(pin);
    chkOnTop->setGeometry(twipsToPixels(kClockSize - 2 * kButtonSize - 30), twipsToPixels(kButtonTop),
                          twipsToPixels(kButtonSize), twipsToPixels(kButtonSize));

    cmdClose = new QToolButton(fraControl);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setAutoRaise(true);
    cmdClose->setToolTip(tr("Close Window"));
    cmdClose->setAccessibleName(tr("Close"));
    cmdClose->setAccessibleDescription(tr("Closes the compact clock"));
    cmdClose->setIcon(QIcon(graphicsFile("Close.png")));
    cmdClose->setGeometry(twipsToPixels(kClockSize - kButtonSize - 15), twipsToPixels(kButtonTop),
                          twipsToPixels(kButtonSize), twipsToPixels(kButtonSize));
    for (QToolButton* button : {chkOnTop, cmdClose}) button->setIconSize(button->size() - QSize(4, 4));
    // Right to left, the bar mirrors: the buttons lead, the message follows. The clock does not.
    for (QWidget* part : std::initializer_list<QWidget*>{lblMessage, chkOnTop, cmdClose})
        PlaceMirrored(part, part->geometry());

    connect(chkOnTop, &QToolButton::toggled, this, &frmCompact::chkOnTop_Click);
    connect(cmdClose, &QToolButton::clicked, this, &frmCompact::cmdClose_Click);
    fraControl->installEventFilter(this);
    lblMessage->installEventFilter(this);

    Form_Load();
}

void frmCompact::Form_Load() {
    // Placement and pin.
    resumeNext([&] {
        QtPlaceable form(*this);
        std::string name = kFormName;
        LoadFormPos(form, name);
    });
    resumeNext([&] { chkOnTop->setChecked(readSwitch(kFormKey, "OnTop", 0, 0) == 1); });

    // The clock.
    resumeNext([&] { picSmClock->ShowBorder(readSwitch(kClockKey, "ShowBorder", 0, 0) == 1); });
    resumeNext([&] { picSmClock->ShowNumbers(readSwitch(kClockKey, "ShowNumbers", 1, 1) == 1); });
    resumeNext([&] { picSmClock->ShowSeconds(readSwitch(kClockKey, "ShowSeconds", 1, 1) == 1); });
    resumeNext([&] {
        const QString defaultPicture = graphicsFile("picSmClock.jpg");
        SmClockPicturePath() = QString::fromStdString(
            ReadRegValue(HKEY_CURRENT_USER, kClockKey, "Picture", RegValue(defaultPicture.toStdString())).toText());
    });
    resumeNext([&] {
        const QString& path = SmClockPicturePath();
        if (!path.isEmpty() && QFile::exists(path)) {
            const QImage picture = QImageReader(path).read();
            if (!picture.isNull()) picSmClock->Picture(picture);  // an unreadable file changes nothing
        } else {
            picSmClock->Picture(QImage());
        }
    });
    resumeNext([&] { picSmClock->ColorBack(readColor(kClockKey, "ColorBack", 0xFFFFFF, 0xFFFFFF)); });
    resumeNext([&] { picSmClock->ColorBorder(readColor(kClockKey, "ColorBorder", 0, 0)); });

    // The bar.
    resumeNext([&] { MoveControlBar(static_cast<int16_t>(readLong(kBarKey, "Position", 1))); });
    resumeNext([&] { fraControlBackColor(readColor(kBarKey, "ColorBack", 0xFF0000, 0xFFFFFF)); });
    resumeNext([&] { lblMessageForeColor(contrastColor(readColor(kBarKey, "ColorFore", 0xFFFFFF, 0), barBack_)); });

    resumeNext([&] { picSmClock->BorderMode(0); });
    resumeNext([&] { ShapeWindow(); });
}

// The outline: the clock's oval plus the bar's rectangle, computed here only.
void frmCompact::ShapeWindow() {
    resumeNext([&] { setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized)); });
    QRegion region;
    resumeNext([&] { region += QRegion(picSmClock->geometry(), QRegion::Ellipse); });
    resumeNext([&] { region += QRegion(fraControl->geometry()); });
    outline_ = region;
    resumeNext([&] { setMask(outline_); });
}

void frmCompact::MoveControlBar(int16_t position) {
    const int top = position == 2 ? picSmClock->y() + picSmClock->height() : 0;
    fraControl->move(fraControl->x(), top);
}

void frmCompact::fraControlBackColor(int32_t color) {
    barBack_ = color;
    QPalette palette = fraControl->palette();
    palette.setColor(QPalette::Window, colorFromRef(color));
    fraControl->setPalette(palette);
}

void frmCompact::lblMessageForeColor(int32_t color) {
    barFore_ = color;
    QPalette palette = lblMessage->palette();
    palette.setColor(QPalette::WindowText, colorFromRef(color));
    lblMessage->setPalette(palette);
}

void frmCompact::SaveSmClockProp() {
    resumeNext([&] { WriteRegLong(HKEY_CURRENT_USER, kClockKey, "ShowBorder", picSmClock->ShowBorder() ? 1 : 0); });
    resumeNext([&] { WriteRegLong(HKEY_CURRENT_USER, kClockKey, "ShowNumbers", picSmClock->ShowNumbers() ? 1 : 0); });
    resumeNext([&] { WriteRegLong(HKEY_CURRENT_USER, kClockKey, "ShowSeconds", picSmClock->ShowSeconds() ? 1 : 0); });
    resumeNext([&] { WriteRegString(HKEY_CURRENT_USER, kClockKey, "Picture", SmClockPicturePath().toStdString()); });
    resumeNext([&] { WriteRegLong(HKEY_CURRENT_USER, kClockKey, "ColorBack", picSmClock->ColorBack()); });
    resumeNext([&] { WriteRegLong(HKEY_CURRENT_USER, kClockKey, "ColorBorder", picSmClock->ColorBorder()); });
}

void frmCompact::Unload() {
    // Query unload: the window becomes rectangular again.
    resumeNext([&] { clearMask(); });
    outline_ = QRegion();

    resumeNext([&] {
        QtPlaceable form(*this);
        std::string name = kFormName;
        SaveFormPos(form, name);
    });
    resumeNext([&] { WriteRegLong(HKEY_CURRENT_USER, kFormKey, "OnTop", chkOnTop->isChecked() ? 1 : 0); });
    SaveSmClockProp();
    resumeNext([&] { WriteRegLong(HKEY_CURRENT_USER, kBarKey, "Position", fraControl->y() == 0 ? 1 : 2); });
    resumeNext([&] { WriteRegLong(HKEY_CURRENT_USER, kBarKey, "ColorBack", barBack_); });
    resumeNext([&] { WriteRegLong(HKEY_CURRENT_USER, kBarKey, "ColorFore", barFore_); });
    hide();
}

// The push pin: keeps the window above all others while pressed.
void frmCompact::chkOnTop_Click() {
    if (isMinimized()) {
        chkOnTop->setChecked(false);
        return;
    }
    if (isVisible()) picSmClock->setFocus();
    if (chkOnTop->isChecked()) {
        setTopMost(true);
        chkOnTop->setToolTip(tr("Click for Normal Window"));
    } else {
        setTopMost(false);
        chkOnTop->setToolTip(tr("Push Pin to Keep Window OnTop"));
    }
}

// Changes the stay-on-top flag without moving or re-creating the window.
void frmCompact::setTopMost(bool on) {
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, on);
    if (windowHandle()) {
        overrideWindowFlags(flags);
        windowHandle()->setFlags(flags);
    } else {
        setWindowFlags(flags);
    }
}

void frmCompact::cmdClose_Click() {
    if (isSignalConnected(QMetaMethod::fromSignal(&frmCompact::closeRequested))) {
        emit closeRequested();
    } else {  // no main window to ask: hide the view as it would
        picSmClock->Enabled(false);
        hide();
    }
}

void frmCompact::closeEvent(QCloseEvent* event) {
    event->ignore();
    cmdClose_Click();
}

// The bar and its message move the window while dragged with the left button; a double click on
// the message returns to the normal view.
bool frmCompact::eventFilter(QObject* watched, QEvent* event) {
    if (watched != fraControl && watched != lblMessage) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton) return false;
            pressed_ = true;
            dragging_ = false;
            pressGlobal_ = mouse->globalPosition().toPoint();
            pressWindowPos_ = pos();
            return true;
        }
        case QEvent::MouseMove: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (!pressed_ || !(mouse->buttons() & Qt::LeftButton)) return false;
            const QPoint offset = mouse->globalPosition().toPoint() - pressGlobal_;
            if (!dragging_ && offset.manhattanLength() < QApplication::startDragDistance()) return true;
            if (!dragging_) {
                dragging_ = true;
                // The window system moves the window where it can; elsewhere we follow the mouse.
                if (windowHandle() && windowHandle()->startSystemMove()) {
                    pressed_ = false;
                    return true;
                }
            }
            move(pressWindowPos_ + offset);
            return true;
        }
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) pressed_ = dragging_ = false;
            return false;
        case QEvent::MouseButtonDblClick:
            if (watched == lblMessage && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                emit normalViewRequested();
                return true;
            }
            return false;
        default:
            return false;
    }
}

}  // namespace nv
