// The settings file as Tarvo and Quenlo read it, without the store: one text value, from the
// files the store writes and from files edited by hand.
#include <gtest/gtest.h>

#include <cstdlib>

#include "SettingsFile.h"
#include "support/TempDir.h"

namespace nv {
namespace {

TEST(SettingsFile, OneTextValueOfOneKey) {
    const std::string key = "Software\\ORVEN\\Software\\Noorvale\\Options";
    const std::string head = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\ORVEN\\Software\\Noorvale\\Options]\n";
    struct Case {
        std::string text, value;
    };
    const Case cases[] = {
        {head + "\"Language\"=\"ar\"\n", "ar"},
        {head + "\"Time\"=\"hh:mm\"\n\"Language\"=\"ur\"\n", "ur"},
        {head + "\"Language\"=\"ar\"\n\"Langwage\"=\"de\"\n", "ar"},  // another name of its length
        {"REGEDIT4\r\n\r\n[hkey_current_user\\software\\orven\\software\\noorvale\\OPTIONS]\r\n\"LANGUAGE\" = \"tr\"\r\n", "tr"},
        {head + "\"Language\"=\"a\\\\b\\\"c\"\n", "a\\b\"c"},
        {head + "\"Language\"=\"fr\"\n" + head + "\"Language\"=\"id\"\n", "id"},  // the last one holds
        {head + "\"Language\"=dword:00000001\n", ""},
        {head + "\"Language\"=hex(1):61,00\n", ""},
        {head + "\"Language\"=\"ar\n", ""},  // no closing quote
        {head + "\"Language\"=\"ar\" junk\n", ""},
        {"REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\ORVEN\\Software\\Noorvale\\Options\\Compact]\n\"Language\"=\"ar\"\n", ""},
        {"REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\ORVEN\\Software\\Noorvale\\Options]\n\"Language\"=\"ar\"\n", ""},
        {head + std::string(5000, '\0') + "\n\"Language\"=\"fr\"\n", "fr"},  // a damaged line is passed over
        {"", ""},
    };
    test::TempDir dir;
    const std::string file = dir / "registry.reg";
    for (const Case& c : cases) {
        test::writeFile(file, c.text);
        EXPECT_EQ(ReadSettingsText(file, key, "Language"), c.value) << c.text;
    }
    EXPECT_EQ(ReadSettingsText(dir / "missing.reg", key, "Language"), "");
}

TEST(SettingsFile, LivesInTheConfigurationFolder) {
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const std::string savedXdg = xdg ? xdg : "";
    ::setenv("XDG_CONFIG_HOME", "/x/conf//", 1);
    EXPECT_EQ(DefaultSettingsFile(), "/x/conf/Noorvale/registry.reg");
    ::setenv("XDG_CONFIG_HOME", "relative", 1);  // a relative one is ignored
    ::setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(DefaultSettingsFile(), "/home/someone/.config/Noorvale/registry.reg");
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(DefaultSettingsFile(), "/home/someone/.config/Noorvale/registry.reg");
    ::setenv("HOME", home.c_str(), 1);
    if (xdg) ::setenv("XDG_CONFIG_HOME", savedXdg.c_str(), 1);
}

}  // namespace
}  // namespace nv
