#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include <QApplication>
#include <QScreen>
#include <QWidget>

#include "QtPlacement.h"
#include "WindowPlacement.h"
#include "modRegistry.h"
#include "support/TempHome.h"

using namespace nv;

namespace {

// An object at the placement seam: a screen of 15360 x 11520 twips (1024 x 768 pixels at 96 DPI).
struct Box : Placeable {
    std::string objectName = "frmMain";
    double t = 0, l = 0, w = 6000, h = 4000;
    WindowState state = WindowState::Normal;
    std::string name() const override { return objectName; }
    double top() const override { return t; }
    double left() const override { return l; }
    double width() const override { return w; }
    double height() const override { return h; }
    void setTop(double v) override { t = v; }
    void setLeft(double v) override { l = v; }
    void setWidth(double v) override { w = v; }
    void setHeight(double v) override { h = v; }
    WindowState windowState() const override { return state; }
    double screenWidth() const override { return 15360; }
    double screenHeight() const override { return 11520; }
    TwipsRect area{0, 0, 15360, 11520};
    double frameW = 0, frameH = 0;
    TwipsRect workArea() const override { return area; }
    double frameWidth() const override { return frameW; }
    double frameHeight() const override { return frameH; }
};

RegValue stored(const std::string& name, const char* value) {
    return ReadRegValue(HKEY_CURRENT_USER, PlacementKey(name), value, "none");
}

void store(const std::string& name, const char* value, int32_t v) {
    WriteRegLong(HKEY_CURRENT_USER, PlacementKey(name), value, v);
}

}  // namespace

TEST(Placement, AFormOpensCentredOnItsFirstRunAndWhereItWasAfterwards) {
    test::TempHome home;
    Box form;
    std::string name = "frmMain";
    LoadFormSize(form, name);
    LoadFormPos(form, name);
    EXPECT_EQ(form.t, 3760);  // (11520 - 4000) / 2
    EXPECT_EQ(form.l, 4680);  // (15360 - 6000) \ 2
    EXPECT_EQ(form.w, 6000);
    EXPECT_EQ(form.h, 4000);

    form.t = 1200.4;
    form.l = 2500.6;
    form.w = 7000;
    form.h = 5000;
    SaveFormPos(form, name);
    SaveFormSize(form, name);
    EXPECT_EQ(stored(name, "Top"), RegValue(1200));
    EXPECT_EQ(stored(name, "Left"), RegValue(2501));
    Box again;
    LoadFormSize(again, name);
    LoadFormPos(again, name);
    EXPECT_EQ(again.t, 1200);
    EXPECT_EQ(again.l, 2501);
    EXPECT_EQ(again.w, 7000);
    EXPECT_EQ(again.h, 5000);
}

TEST(Placement, AFormOffTheScreenComesBackPerCoordinate) {
    test::TempHome home;
    std::string name = "frmMain";
    store(name, "Top", 500);
    store(name, "Left", 15000);  // beyond the right edge less 1000
    Box form;
    LoadFormPos(form, name);
    EXPECT_EQ(form.t, 500);
    EXPECT_EQ(form.l, 4680);
    store(name, "Top", -20);
    store(name, "Left", 14360);  // exactly the screen width less 1000: still on screen, pulled in whole
    LoadFormPos(form, name);
    EXPECT_EQ(form.t, 3760);
    EXPECT_EQ(form.l, 9360);
    store(name, "Top", 10521);
    LoadFormPos(form, name);
    EXPECT_EQ(form.t, 3760);
}

TEST(Placement, AMaximisedOrMinimisedFormLeavesTheNormalPlacement) {
    test::TempHome home;
    std::string name = "frmMain";
    Box form;
    form.t = 100;
    form.l = 200;
    SaveFormPos(form, name);
    SaveFormSize(form, name);
    for (WindowState s : {WindowState::Maximized, WindowState::Minimized}) {
        form.state = s;
        form.t = form.l = -60;
        form.w = 15480;
        form.h = 11640;
        SaveFormPos(form, name);
        SaveFormSize(form, name);
        EXPECT_EQ(stored(name, "Top"), RegValue(100));
        EXPECT_EQ(stored(name, "Left"), RegValue(200));
        EXPECT_EQ(stored(name, "Width"), RegValue(6000));
        EXPECT_EQ(stored(name, "Height"), RegValue(4000));
    }
}

TEST(Placement, SizesOf0AreNotApplied) {
    test::TempHome home;
    std::string name = "frmMain";
    store(name, "Width", 0);
    store(name, "Height", -5);
    Box form;
    LoadFormSize(form, name);
    EXPECT_EQ(form.w, 6000);
    EXPECT_EQ(form.h, 4000);
}

TEST(Placement, AbsurdNumbersFallBackAndSizesStayWithinTheScreen) {
    struct Case {
        const char* what;
        std::vector<std::pair<const char*, RegValue>> values;
        double t, l, w, h;
    };
    const RegValue huge(int32_t{0x7fffffff}), lowest(int32_t(0x80000000u));
    const std::vector<Case> cases = {
        {"sizes at the 32-bit ends", {{"Width", huge}, {"Height", lowest}}, 3760, 4680, 6000, 4000},
        {"larger than the screen", {{"Width", RegValue(20000)}, {"Height", RegValue(12000)}}, 0, 0, 15360, 11520},
        {"positions beyond any double", {{"Top", RegValue("1e308")}, {"Left", RegValue("-1e308")}}, 3760, 4680, 6000, 4000},
        {"positions at the 32-bit ends", {{"Top", huge}, {"Left", lowest}}, 3760, 4680, 6000, 4000},
        {"all of them", {{"Top", huge}, {"Left", RegValue("1e308")}, {"Width", huge}, {"Height", RegValue("1e308")}},
         3760, 4680, 6000, 4000},
        {"at the edges, pulled in whole", {{"Top", RegValue(10520)}, {"Left", RegValue(0)}}, 7520, 0, 6000, 4000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempHome home;
        std::string name = "frmMain";
        for (const auto& [value, v] : c.values)
            if (v.isText()) WriteRegString(HKEY_CURRENT_USER, PlacementKey(name), value, v.toText());
            else store(name, value, v.toLong());
        Box form;
        LoadFormSize(form, name);
        LoadFormPos(form, name);
        EXPECT_EQ(form.t, c.t);
        EXPECT_EQ(form.l, c.l);
        EXPECT_EQ(form.w, c.w);
        EXPECT_EQ(form.h, c.h);
    }
}

// A window lies whole on the work area (the screen less a panel of 480 twips at the top and a
// dock of 900 at the left), with its frame (120 twips of borders, 450 of title bar and borders).
TEST(Placement, AWindowLiesWholeOnTheWorkAreaFrameIncluded) {
    struct Case {
        const char* what;
        std::vector<std::pair<const char*, int32_t>> values;
        double t, l, w, h;
    };
    const std::vector<Case> cases = {
        {"first run: centred on the work area", {}, 480 + (11040 - 4450) / 2.0, 900 + 4170, 6000, 4000},
        {"larger than the screen", {{"Width", 20000}, {"Height", 12000}, {"Top", 0}, {"Left", 0}}, 480, 900,
         14460 - 120, 11040 - 450},
        {"over the bottom right edge", {{"Top", 9000}, {"Left", 12000}}, 11520 - 4450, 15360 - 6120, 6000, 4000},
        {"under the panel and the dock", {{"Top", 100}, {"Left", 200}}, 480 + (11040 - 4450) / 2.0, 900 + 4170, 6000,
         4000},
        {"inside", {{"Top", 2000}, {"Left", 3000}}, 2000, 3000, 6000, 4000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempHome home;
        std::string name = "frmMain";
        for (const auto& [value, v] : c.values) store(name, value, v);
        Box form;
        form.area = {900, 480, 15360 - 900, 11520 - 480};
        form.frameW = 120;
        form.frameH = 450;
        LoadFormSize(form, name);
        LoadFormPos(form, name);
        EXPECT_EQ(form.t, c.t);
        EXPECT_EQ(form.l, c.l);
        EXPECT_EQ(form.w, c.w);
        EXPECT_EQ(form.h, c.h);
        EXPECT_LE(form.t + form.h + form.frameH, 11520);
        EXPECT_LE(form.l + form.w + form.frameW, 15360);
    }
}

TEST(Placement, ControlsMoveOnlyToStoredPositionsInsideTheScreen) {
    test::TempHome home;
    Box control;
    control.objectName = "picClock";
    control.t = 300;
    control.l = 400;
    control.w = 2000;
    control.h = 2000;
    std::string name = "picClock";
    LoadCtlPos(control, name);  // first run: where it was designed
    LoadCtlSize(control, name);
    EXPECT_EQ(control.t, 300);
    EXPECT_EQ(control.l, 400);
    EXPECT_EQ(control.w, 2000);

    store(name, "Top", 0);       // exactly 0 is not applied
    store(name, "Left", 14500);  // too far right
    LoadCtlPos(control, name);
    EXPECT_EQ(control.t, 300);
    EXPECT_EQ(control.l, 400);
    store(name, "Top", 40000);  // not a 16-bit number: left as it is
    store(name, "Left", 14359);
    LoadCtlPos(control, name);
    EXPECT_EQ(control.t, 300);
    EXPECT_EQ(control.l, 14359);

    // Controls are saved in any state.
    control.state = WindowState::Maximized;
    control.t = 77;
    control.w = 2500;
    SaveCtlPos(control, name);
    SaveCtlSize(control, name);
    Box other;
    LoadCtlPos(other, name);
    LoadCtlSize(other, name);
    EXPECT_EQ(other.t, 77);
    EXPECT_EQ(other.w, 2500);
}

TEST(Placement, AnEmptyNameIsTheObjectsOwn) {
    test::TempHome home;
    Box form;
    form.objectName = "frmCompact";
    form.t = 1440;
    std::string name;
    SaveFormPos(form, name);
    EXPECT_EQ(name, "frmCompact");
    EXPECT_EQ(stored("frmCompact", "Top"), RegValue(1440));
    std::string loadName;
    Box back;
    back.objectName = "frmCompact";
    LoadFormPos(back, loadName);
    EXPECT_EQ(loadName, "frmCompact");
    EXPECT_EQ(back.t, 1440);
}

// ---- the Qt adapter, on real widgets offscreen ----

namespace {

QApplication& app() {
    static int argc = 1;
    static char name[] = "test_settings";
    static char* argv[] = {name, nullptr};
    static QApplication* instance = new QApplication(argc, argv);
    return *instance;
}

}  // namespace

TEST(QtPlacement, WidgetsAreMeasuredInTwipsThroughTheScreensDpi) {
    app();
    test::TempHome home;
    QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    const double dpi = screen->logicalDotsPerInchX();
    const QSize px = screen->geometry().size();

    QWidget window;
    window.setObjectName("frmMain");
    window.resize(480, 320);
    window.move(30, 40);
    QtPlaceable placed(window);
    EXPECT_EQ(placed.name(), "frmMain");
    EXPECT_DOUBLE_EQ(placed.width(), 480 * 1440 / dpi);
    EXPECT_DOUBLE_EQ(placed.top(), 40 * 1440 / screen->logicalDotsPerInchY());
    EXPECT_DOUBLE_EQ(placed.screenWidth(), px.width() * 1440 / dpi);
    EXPECT_DOUBLE_EQ(placed.screenHeight(), px.height() * 1440 / screen->logicalDotsPerInchY());

    // Saved from one window, restored into another.
    std::string name;
    SaveFormPos(placed, name);
    SaveFormSize(placed, name);
    EXPECT_EQ(name, "frmMain");
    QWidget next;
    next.setObjectName("frmMain");
    QtPlaceable nextPlaced(next);
    LoadFormSize(nextPlaced, name);
    LoadFormPos(nextPlaced, name);
    EXPECT_EQ(next.size(), QSize(480, 320));
    EXPECT_EQ(next.pos(), QPoint(30, 40));
}

TEST(QtPlacement, AFirstWindowIsCentredAndAMaximisedOneIsNotSaved) {
    app();
    test::TempHome home;
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    QWidget window;
    window.setObjectName("frmMain");
    window.resize(400, 300);
    LoadFormPos(window);  // under its object name
    EXPECT_NEAR(window.x(), (screen.width() - 400) / 2.0, 1);
    EXPECT_NEAR(window.y(), (screen.height() - 300) / 2.0, 1);
    SaveFormPos(window);
    const RegValue top = stored("frmMain", "Top");
    EXPECT_TRUE(top.isNumber());

    window.show();
    window.showMaximized();
    QApplication::processEvents();
    ASSERT_EQ(QtPlaceable(window).windowState(), WindowState::Maximized);
    window.move(0, 0);
    SaveFormPos(window);
    SaveFormSize(window, "frmMain");
    EXPECT_EQ(stored("frmMain", "Top"), top);
    EXPECT_EQ(stored("frmMain", "Width"), RegValue("none"));
}

TEST(QtPlacement, AControlMovesInsideItsWindow) {
    app();
    test::TempHome home;
    QWidget window;
    QWidget clock(&window);
    clock.setObjectName("picClock");
    clock.setGeometry(10, 10, 100, 100);
    QtPlaceable placed(clock);
    EXPECT_EQ(placed.windowState(), WindowState::Normal);
    std::string name;
    store("picClock", "Top", static_cast<int32_t>(std::lround(placed.top() * 5)));
    store("picClock", "Left", static_cast<int32_t>(std::lround(placed.left() * 3)));
    LoadCtlPos(placed, name);
    EXPECT_EQ(name, "picClock");
    EXPECT_EQ(clock.pos(), QPoint(30, 50));
    clock.move(40, 60);
    SaveCtlPos(clock);
    clock.move(0, 0);
    LoadCtlPos(clock, "picClock");
    EXPECT_EQ(clock.pos(), QPoint(40, 60));
    EXPECT_EQ(clock.size(), QSize(100, 100));
}
