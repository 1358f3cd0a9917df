// A whole Noorvale loaded in the test process: a temporary settings store and lock folder, a
// fixed clock, time zone and locale, and every message box answered by the test.
#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QVariant>
#include <functional>
#include <string>
#include <vector>

#include "DateValue.h"
#include "DateLocale.h"
#include "MsgBox.h"
#include "modTimeZone.h"

namespace nv {
class frmMain;
class frmCompact;
}  // namespace nv

namespace nv::test {

class AppFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Stores a number or a text under HKEY_CURRENT_USER\Software\ORVEN\Software\Noorvale + `sub`.
    void storeLong(const std::string& sub, const std::string& name, int32_t value);
    void storeText(const std::string& sub, const std::string& name, const std::string& value);
    int32_t storedLong(const std::string& sub, const std::string& name, int32_t fallback = -999);
    // Stores London (51:30N 0:07W, 11 m) with a manual offset of `hours`, the World Islamic
    // League's 18 and 17 degrees and the high-latitude rule `rule`.
    void storeLondon(int32_t hours, int32_t rule);

    // Sets the clock; the time of day defaults to 09:00.
    void setClock(int y, int m, int d, int hh = 9, int mm = 0, int ss = 0);

    // Loads the program as Main does, then lets one pass of events run (the update reminder
    // waits for it); false for a refused copy.
    bool load();
    void unload();
    frmMain& main();
    frmCompact& compact();
    // The main window's calendar: its rows, and a cell's text or its value in `role`.
    int calendarRows();
    QString cell(int row, int column);
    QVariant cell(int row, int column, int role);

    struct Box {
        std::string text;
        int style;
        std::string title;
    };
    std::vector<Box> boxes;  // every message box shown
    int answer = 7;          // the answer to a Yes/No box (7 = No)
    bool trayPresent = true; // whether the desktop has a tray (asked through the tray watch)
    DateValue clock = 0;
    std::string storeFile;
    QTemporaryDir dir;

private:
    MsgBoxHandler previousBox_;
    std::function<bool()> previousTray_;
    ClockSource previousClock_;
    TimeZoneSource previousZone_;
    std::shared_ptr<const DateLocale> previousLocale_;
    bool loaded_ = false;
};

}  // namespace nv::test
