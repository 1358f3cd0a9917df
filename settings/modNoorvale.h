// The user's prayer settings under HKEY_CURRENT_USER\Software\ORVEN\Software\Noorvale\User\:
// the place, the calculation method, the period names and each prayer's alert switch and sound;
// and the program-wide tables and numbers that go with them. The loaders write straight into
// the one shared calculator, PrayTime(); like every procedure here they never fail: what is
// missing or out of range takes its default or the fallback.
//
// Layout of the subtree:
//   User\Location   "Name" text, "TZMode", "GMTOffset" (whole hours), "GMTOffsetMinutes" (the
//                   same offset in minutes, used when its whole hours agree with "GMTOffset"),
//                   "LatDegree", "LatMinute", "LatSouthOfEq" (1 south), "LonDegree", "LonMinute",
//                   "LonWestOfGW" (1 west), "Altitude" (metres)
//   User\Method     "CalcMethod", "DawnTwilightAngle", "MinutesToSunrise", "NightTwilightAngle",
//                   "MinutesAfterSunset" (whole numbers; a preset method takes its own exact
//                   values instead), "ShadowRatio", "SafetyMinutes", "HighLatRule" (0 none,
//                   1 middle of the night, 2 one-seventh, 3 twilight angle),
//                   "DawnTwilightAngleExact", "NightTwilightAngleExact" (text: the angle to any
//                   fraction, used when it rounds to the whole number beside it),
//                   "SunsetTwilightAngle" (text, degrees; absent 0), "RamadanMinutesAfterSunset",
//                   "RamadanCalendar" (0 the calendar chosen in Options, 1 Umm Al-Qura; absent 0),
//                   "Rounding" (0 to the nearest minute, 1 prayers up and sunrise down; absent 0),
//                   "Shafaq" (the seasonal twilight rule: 0 off, 1 general, 2 red, 3 white
//                   shafaq; absent 0),
//                   "Adjustment1" .. "Adjustment6" (minutes for Fajr .. Isha, -60..60; absent 0),
//                   "Authority" text (the authority whose values the custom method holds),
//                   "Astronomy" (0 the precise sun, also when absent; 1 the classic series)
//   User\Period\1 .. User\Period\6
//                   "Name" text (the English default while the user has not renamed the
//                   period); for 1, 3, 4, 5, 6 also "SoundFile" text and " 1" (sound on = 1)
//
// Periods are numbered 1 (Fajr) to 6 (Isha); the alertable prayers 1 to 5 (all but Shurooq).
// The arrays below are indexed from 0: period p at [p - 1], alert a at [a - 1].
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "DateValue.h"
#include "clsPrayTime.h"

namespace nv {

// The calculator the whole program shares.
clsPrayTime& PrayTime();

// The index of the calculation method in kCalcMethods (0..5); starts at 0.
extern int16_t CalcMethod;
// The name of the authority whose values the custom method holds; empty when none was picked
// (always empty with a preset method).
extern std::string AuthorityName;
// 0: the time-zone offset comes from the system, for each date; 1: the user entered it.
// Starts at 0.
extern int32_t TZMode;

// [0][p - 1] the default custom name of period p, [1][p - 1] its descriptive name, in the
// program's language when InitPeriodNames ran.
extern std::array<std::array<std::string, 6>, 2> PeriodNameTable;
// The names of the six periods, [p - 1], as shown: the user's own, or the default in the
// program's language for a period the user has not renamed. Saved, a default in the program's
// language is stored as the English default, so that it follows a later change of language.
extern std::array<std::string, 6> PeriodNames;

// The one alert kind: its name (in the program's language) and the image key of its tree entry.
struct AlertKind {
    std::string name;
    std::string imageKey;
};
extern std::array<AlertKind, 1> AlertKinds;

// An alertable prayer's switches, one per alert kind (one kind: the sound).
struct AlertRecord {
    bool sound = false;
};
using AlertRecords = std::array<AlertRecord, 5>;  // [a - 1] for alert a = 1..5

// The base key of the user's settings, with its trailing separator.
std::string UserKey();

void InitPeriodNames();
void LoadPeriodNames();
void SavePeriodNames();
void InitAlertKinds();

void LoadLocation();
void SaveLocation();
// Also gives the calculator the Hijri calendar chosen in Options (CalendarProps), whose Ramadan
// the method's Ramadan rule follows unless the method names its own.
void LoadMethod();
void SaveMethod();

void LoadAlertSwitches(AlertRecords& records);
void SaveAlertSwitches(const AlertRecords& records);
std::string GetSoundFile(int16_t period);
void SaveSoundFile(int16_t period, const std::string& path);

// The program folder (where graphics/, Media/, the help and the other programs live): the folder
// of the running executable, without a trailing separator, unless another was set (tests and
// tools that run from elsewhere point it at the built program folder; empty goes back).
std::string ProgramFolder();
void setProgramFolder(const std::string& folder);
// The alert sound every prayer has until the user picks another.
std::string DefaultSoundFile();

int16_t AlertToPeriod(int16_t alert);
int16_t PeriodToAlert(int16_t period);
// The calculator's non-zero adjustments with the names given: "Fajr +2, Shurooq -7", the list's
// separator in the program's language; empty when there are none. For a text read right to left
// each signed number starts with a left-to-right mark, so "+2" does not read "2+".
std::string AdjustmentsText(const clsPrayTime& pt, const std::array<std::string, 6>& names, bool rightToLeft = false);
// The shared calculator's time of period 1..6 as a time of day (00:00 for anything else).
DateValue GetPeriodTime(int16_t period);

}  // namespace nv
