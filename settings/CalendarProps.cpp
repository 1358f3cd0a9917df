#include "CalendarProps.h"

#include "VbConv.h"
#include "VbError.h"
#include "modRegistry.h"

namespace nv {

namespace {

std::string trimmed(const std::string& s) {
    const size_t a = s.find_first_not_of(' ');
    if (a == std::string::npos) return {};
    return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

int32_t readLong(const std::string& name, int32_t fallback) {
    int32_t v = fallback;
    resumeNext([&] { v = ReadRegValue(HKEY_CURRENT_USER, CalendarKey(), name, fallback).toLong(); });
    return v;
}

std::string readText(const std::string& name, const std::string& fallback) {
    std::string v = fallback;
    resumeNext([&] { v = ReadRegValue(HKEY_CURRENT_USER, CalendarKey(), name, fallback).toText(); });
    return trimmed(v).empty() ? fallback : v;
}

}  // namespace

CalendarProps& CalProp() {
    static CalendarProps props;
    return props;
}

std::string CalendarKey() { return std::string(kNoorvaleKey) + "\\Options\\PrayCalendar"; }

void LoadCalProp(CalendarProps& p, const std::string& defaultTimeFormat) {
    const CalendarProps d;
    const int32_t view = readLong("ViewID", d.view);
    p.view = view >= 1 && view <= 4 ? static_cast<int16_t>(view) : d.view;
    const int32_t style = readLong("StyleID", d.dateStyle);
    p.dateStyle = style >= 1 && style <= 2 ? static_cast<int16_t>(style) : d.dateStyle;
    p.dateFormat = readText("DateFormat", d.dateFormat);
    p.hijriFormat = readText("HijriFormat", d.hijriFormat);
    p.timeFormat = readText("TimeFormat", "");
    p.timeFormatChosen = !p.timeFormat.empty();
    if (!p.timeFormatChosen) p.timeFormat = defaultTimeFormat;
    p.hijriCalendar = LoadHijriCalendar();
    const int32_t mark = readLong("MarkColor", d.markColor);
    p.markColor = mark >= 0 && mark <= 0xFFFFFF ? mark : d.markColor;
    const int32_t resize = readLong("AutoResize", 1);
    p.autoResize = resize == 0 || resize == 1 ? resize == 1 : d.autoResize;
}

HijriCalendar LoadHijriCalendar() {
    HijriCalendar c;
    const int32_t kind = readLong("HijriCalendar", kHijriTabular);
    if (kind == kHijriTabular || kind == kHijriUmmAlQura) c.kind = static_cast<int16_t>(kind);
    const int32_t adjustment = readLong("HijriAdjust", 0);
    if (adjustment >= -kMaxHijriAdjustment && adjustment <= kMaxHijriAdjustment)
        c.adjustment = static_cast<int16_t>(adjustment);
    return c;
}

bool LoadGridlines() { return readLong("Gridlines", 0) == 1; }

int32_t LoadColumnWidth(int column) {
    int32_t w = kDefaultColumnWidth;
    resumeNext([&] {
        w = ReadRegValue(HKEY_CURRENT_USER, CalendarKey() + "\\Column", str(column), kDefaultColumnWidth).toLong();
    });
    return w >= 0 && w <= 2000 ? w : kDefaultColumnWidth;
}

void SaveCalProp(const CalendarProps& p, bool gridlines, const std::array<int32_t, kCalendarColumns>& widths) {
    const std::string key = CalendarKey();
    WriteRegLong(HKEY_CURRENT_USER, key, "ViewID", p.view);
    WriteRegLong(HKEY_CURRENT_USER, key, "StyleID", p.dateStyle);
    WriteRegString(HKEY_CURRENT_USER, key, "DateFormat", p.dateFormat);
    WriteRegString(HKEY_CURRENT_USER, key, "HijriFormat", p.hijriFormat);
    if (p.timeFormatChosen) WriteRegString(HKEY_CURRENT_USER, key, "TimeFormat", p.timeFormat);
    WriteRegLong(HKEY_CURRENT_USER, key, "HijriCalendar", p.hijriCalendar.kind);
    WriteRegLong(HKEY_CURRENT_USER, key, "HijriAdjust", p.hijriCalendar.adjustment);
    WriteRegLong(HKEY_CURRENT_USER, key, "MarkColor", p.markColor);
    WriteRegLong(HKEY_CURRENT_USER, key, "AutoResize", p.autoResize ? 1 : 0);
    WriteRegLong(HKEY_CURRENT_USER, key, "Gridlines", gridlines ? 1 : 0);
    for (int c = 1; c <= kCalendarColumns; ++c)
        WriteRegLong(HKEY_CURRENT_USER, key + "\\Column", str(c), widths[c - 1]);
}

}  // namespace nv
