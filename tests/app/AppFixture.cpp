#include "AppFixture.h"

#include <QApplication>
#include <QTreeView>

#include <cstdlib>

#include "App.h"
#include "NoorvaleMain.h"
#include "RegistryStore.h"
#include "TrayWatch.h"
#include "frmMain.h"
#include "modNoorvale.h"
#include "modRegistry.h"
#include "support/FixedLocale.h"

namespace nv::test {

void AppFixture::SetUp() {
    ASSERT_TRUE(dir.isValid());
    storeFile = (dir.path() + "/registry.reg").toStdString();
    RegistryStore::instance().setFile(storeFile);
    setenv("XDG_RUNTIME_DIR", dir.path().toLocal8Bit().constData(), 1);
    setProgramFolder(NOORVALE_BIN_DIR);
    previousBox_ = setMsgBoxHandler([this](const std::string& text, int style, const std::string& title) {
        boxes.push_back({text, style, title});
        return (style & 7) == vbYesNo ? answer : int{vbOK};
    });
    previousTray_ = TrayWatch::Source();
    TrayWatch::Source() = [this] { return trayPresent; };
    setClock(2002, 6, 21);
    previousClock_ = setClockSource([this] { return clock; });
    previousZone_ = setTimeZoneSource([](TimeZoneInformation& info) {
        info = {360, 0, -60, 0};  // UTC-6 all year
        return TIME_ZONE_ID_UNKNOWN;
    });
    previousLocale_ = setDateLocale(usEnglishLocale());
}

void AppFixture::storeLondon(int32_t hours, int32_t rule) {
    const std::string loc = "\\User\\Location";
    storeText(loc, "Name", "London");
    for (const auto& [name, v] : {std::pair{"LatDegree", 51}, {"LatMinute", 30}, {"LatSouthOfEq", 0}, {"LonDegree", 0},
                                  {"LonMinute", 7}, {"LonWestOfGW", 1}, {"Altitude", 11}, {"TZMode", 1}})
        storeLong(loc, name, v);
    storeLong(loc, "GMTOffset", hours);
    storeLong("\\User\\Method", "CalcMethod", 1);
    storeLong("\\User\\Method", "HighLatRule", rule);
}

void AppFixture::TearDown() {
    unload();
    setMsgBoxHandler(previousBox_);
    TrayWatch::Source() = previousTray_;
    setClockSource(previousClock_);
    setTimeZoneSource(previousZone_);
    setDateLocale(previousLocale_);
    RegistryStore::instance().setFile("");
}

void AppFixture::storeLong(const std::string& sub, const std::string& name, int32_t value) {
    WriteRegLong(HKEY_CURRENT_USER, std::string(kNoorvaleKey) + sub, name, value);
}

void AppFixture::storeText(const std::string& sub, const std::string& name, const std::string& value) {
    WriteRegString(HKEY_CURRENT_USER, std::string(kNoorvaleKey) + sub, name, value);
}

int32_t AppFixture::storedLong(const std::string& sub, const std::string& name, int32_t fallback) {
    return ReadRegValue(HKEY_CURRENT_USER, std::string(kNoorvaleKey) + sub, name, fallback).toLong();
}

void AppFixture::setClock(int y, int m, int d, int hh, int mm, int ss) {
    clock = dateSerial(y, m, d) + timeSerial(hh, mm, ss);
}

bool AppFixture::load() {
    loaded_ = LoadProgram();
    QApplication::processEvents();  // the event loop's first pass: the update reminder
    return loaded_;
}

void AppFixture::unload() {
    if (loaded_) UnloadProgram();
    loaded_ = false;
}

frmMain& AppFixture::main() { return *MainWindow(); }
frmCompact& AppFixture::compact() { return *CompactWindow(); }

int AppFixture::calendarRows() { return main().lvwCalendar->model()->rowCount(); }
QString AppFixture::cell(int row, int column) { return cell(row, column, Qt::DisplayRole).toString(); }
QVariant AppFixture::cell(int row, int column, int role) {
    const QAbstractItemModel* model = main().lvwCalendar->model();
    return model->index(row, column).data(role);
}

}  // namespace nv::test
