// The prayer-time calculator: for one place, one method and one date it computes the six daily
// times Dawn (Fajr), Sunrise (Shurooq), Noon (Dhuhr), Afternoon (Asr), Sunset (Maghrib) and
// Night (Isha), kept as seconds after local midnight (0 to 86 399) of the zone offset: a fixed
// offset in minutes, or, with AutoZone, the system zone's offset at noon of each date.
//
// The sun comes from SunDay: precise (the default) or the classic series of earlier versions.
//
// Every day knows whether its six times are in order around the clock (Fajr < Shurooq < Dhuhr
// < Asr < Maghrib < Isha, an Isha or Maghrib past midnight counting as the same evening's as
// long as it comes no later than the next Fajr), and, when they are not, why. At high latitudes
// a rule (HighLatRule) keeps Fajr and Isha within a portion of the night, a Maghrib angle the
// sun does not reach gives way to sunset, a sunrise or sunset that does not happen is taken at
// 65 degrees of latitude, and an Asr shadow that never comes keeps Asr's share of the
// afternoon at 65 degrees.
//
// Errors are VbErrors: a validating setter stores its replacement value and raises its own
// number; any other failure raises 0x80042AFD "clsNoorvale component failure".
#pragma once

#include <cstdint>
#include <string>

#include "DateValue.h"
#include "SunDay.h"
#include "Translate.h"
#include "modHijri.h"

namespace nv {

class clsPrayTime {
public:
    clsPrayTime();

    DateValue PrayerDate() const { return prayerDate_; }
    void PrayerDate(DateValue value);

    // The six times as times of day (a count past 24 hours lands on the next day).
    DateValue Dawn() const;
    DateValue Sunrise() const;
    DateValue Noon() const;
    DateValue Afternoon() const;
    DateValue Sunset() const;
    DateValue Night() const;

    // The stored seconds after midnight of period 1 (Dawn) to 6 (Night); 0 for any other number.
    double StoredSeconds(int period) const;

    const std::string& LocationName() const { return locationName_; }
    void LocationName(const std::string& value) { locationName_ = value; }
    int16_t LonDegree() const { return lonDegree_; }
    void LonDegree(int16_t value);
    int16_t LonMinute() const { return lonMinute_; }
    void LonMinute(int16_t value);
    bool LonWestOfGW() const { return lonWestOfGW_; }
    void LonWestOfGW(bool value) { lonWestOfGW_ = value; }
    int16_t LatDegree() const { return latDegree_; }
    void LatDegree(int16_t value);
    int16_t LatMinute() const { return latMinute_; }
    void LatMinute(int16_t value);
    bool LatSouthOfEq() const { return latSouthOfEq_; }
    void LatSouthOfEq(bool value) { latSouthOfEq_ = value; }
    int16_t Altitude() const { return altitude_; }
    void Altitude(int16_t value) { altitude_ = value; }
    // The fixed zone offset in whole hours east of Greenwich (minutes cut off toward zero).
    int16_t GMTOffset() const { return static_cast<int16_t>(offsetMinutes_ / 60); }
    void GMTOffset(int16_t value) { offsetMinutes_ = int32_t{value} * 60; }
    // The fixed zone offset in minutes east of Greenwich (+5:30 is 330).
    int32_t GMTOffsetMinutes() const { return offsetMinutes_; }
    void GMTOffsetMinutes(int32_t value) { offsetMinutes_ = value; }
    // When true each date takes the system zone's offset at its local noon (daylight saving
    // included) instead of the fixed offset.
    bool AutoZone() const { return autoZone_; }
    void AutoZone(bool value) { autoZone_ = value; }
    // The offset in minutes the last Calculate used.
    int32_t DayOffsetMinutes() const { return dayOffsetMinutes_; }
    double DawnTwilightAngle() const { return dawnTwilightAngle_; }
    void DawnTwilightAngle(double value) { dawnTwilightAngle_ = value; }
    double NightTwilightAngle() const { return nightTwilightAngle_; }
    void NightTwilightAngle(double value) { nightTwilightAngle_ = value; }
    double MinutesToSunrise() const { return minutesToSunrise_; }
    void MinutesToSunrise(double value) { minutesToSunrise_ = value; }
    double MinutesAfterSunset() const { return minutesAfterSunset_; }
    void MinutesAfterSunset(double value) { minutesAfterSunset_ = value; }
    int16_t ShadowRatio() const { return shadowRatio_; }
    void ShadowRatio(int16_t value);
    int16_t MarginOfSafety() const { return marginOfSafety_; }
    void MarginOfSafety(int16_t value) { marginOfSafety_ = value; }
    // The sun's depression at Maghrib in degrees; 0 puts Maghrib at sunset.
    double SunsetTwilightAngle() const { return sunsetTwilightAngle_; }
    void SunsetTwilightAngle(double value) { sunsetTwilightAngle_ = value; }
    // Minutes from Maghrib to Isha on the days of Ramadan (month 9 of the Hijri calendar) when
    // Isha goes by minutes; 0 keeps MinutesAfterSunset all year.
    double RamadanMinutesAfterSunset() const { return ramadanMinutesAfterSunset_; }
    void RamadanMinutesAfterSunset(double value) { ramadanMinutesAfterSunset_ = value; }
    // The calendar whose Ramadan that is, a part of the method: kRamadanChosenCalendar (the
    // user's Calendar) or kRamadanUmmAlQura (Umm Al-Qura without adjustment, whatever the user
    // chose); any other number counts as the user's.
    int16_t RamadanCalendar() const { return ramadanCalendar_; }
    void RamadanCalendar(int16_t value) { ramadanCalendar_ = value; }
    // The Hijri calendar the user chose for the dates shown.
    const HijriCalendar& Calendar() const { return calendar_; }
    void Calendar(const HijriCalendar& value) { calendar_ = value; }
    // Whole minutes added to period 1 (Fajr) .. 6 (Isha) after the method, the margin and the
    // rules above; 0 for any other period (and setting one does nothing).
    int16_t Adjustment(int period) const;
    void Adjustment(int period, int16_t minutes);
    bool HasAdjustments() const;
    // How the six times come to whole minutes: kRoundNearest (also any unknown number), or
    // kRoundUp: each prayer up to its next minute and sunrise down to its own, never early.
    int16_t Rounding() const { return rounding_; }
    void Rounding(int16_t value) { rounding_ = value; }
    // The seasonal twilight rule with its shafaq (kShafaqGeneral .. kShafaqWhite): Fajr no
    // earlier and Isha no later than the season's minutes from sunrise and sunset, and from 55
    // degrees of latitude one seventh of the night from them; kShafaqNone (also any unknown
    // number): the angles or minutes alone.
    int16_t Shafaq() const { return shafaq_; }
    void Shafaq(int16_t value) { shafaq_ = value; }
    // The high-latitude rule (kHighLatNone .. kHighLatAngle); any other number counts as none.
    int16_t HighLatRule() const { return highLatRule_; }
    void HighLatRule(int16_t value) { highLatRule_ = value; }
    // How the sun is worked out: kAstronomyPrecise (also any unknown number) or kAstronomyClassic.
    int16_t Astronomy() const { return astronomy_; }
    void Astronomy(int16_t value) { astronomy_ = value; }

    // What the last Calculate found: whether the six times are in order around the clock, what
    // kind of day it was, and whether the high-latitude rule changed anything.
    bool Ordered() const { return ordered_; }
    int DayKind() const { return dayKind_; }
    bool HighLatAdjusted() const { return highLatAdjusted_; }

    // Computes and stores the six times for PrayerDate; returns Ordered().
    bool Calculate();
    // Writes the default place and method (Vellmore, ISNA angles, Shafi'i, margin 2, today).
    int32_t Set2Vellmore();
    std::string SecondtoStrTime(float seconds, bool& ShowSeconds, bool& Use24Hour) const;
    DateValue SecondsToTime(float seconds) const;

private:
    DateValue timeProperty(const char* name, double stored) const;

    double dawn_ = 0, sunrise_ = 0, noon_ = 0, afternoon_ = 0, sunset_ = 0, night_ = 0;
    std::string locationName_;
    int16_t lonDegree_ = 0, lonMinute_ = 0;
    bool lonWestOfGW_ = false;
    int16_t latDegree_ = 0, latMinute_ = 0;
    bool latSouthOfEq_ = false;
    int16_t altitude_ = 0;
    int32_t offsetMinutes_ = 0, dayOffsetMinutes_ = 0;
    bool autoZone_ = false;
    double dawnTwilightAngle_ = 0, nightTwilightAngle_ = 0, minutesToSunrise_ = 0, minutesAfterSunset_ = 0;
    int16_t shadowRatio_ = 1, marginOfSafety_ = 0;
    double sunsetTwilightAngle_ = 0, ramadanMinutesAfterSunset_ = 0;
    int16_t ramadanCalendar_ = 0;
    HijriCalendar calendar_;
    int16_t adjustments_[6] = {};
    int16_t highLatRule_ = 0;
    int16_t rounding_ = 0, shafaq_ = 0;
    int16_t astronomy_ = kAstronomyPrecise;
    DateValue prayerDate_ = 0;
    bool ordered_ = false, highLatAdjusted_ = false;
    int dayKind_ = 0;
};

// The range of a per-prayer adjustment, in minutes.
inline constexpr int16_t kMaxAdjustment = 60;
// The high-latitude rules: none, middle of the night, one-seventh of the night, and the
// twilight angle's portion (angle / 60) of the night.
enum HighLatRules : int16_t { kHighLatNone = 0, kHighLatMiddle = 1, kHighLatSeventh = 2, kHighLatAngle = 3 };
inline constexpr const char* kHighLatRuleNames[4] = {"none", "middle", "seventh", "angle"};

// How the times come to whole minutes.
enum Roundings : int16_t { kRoundNearest = 0, kRoundUp = 1 };
inline constexpr const char* kRoundingNames[2] = {"nearest", "up"};

// The seasonal twilight rule: off, or on with the general, red or white shafaq for Isha.
enum Shafaqs : int16_t { kShafaqNone = 0, kShafaqGeneral = 1, kShafaqRed = 2, kShafaqWhite = 3 };
inline constexpr const char* kShafaqNames[4] = {"none", "general", "red", "white"};
// From this latitude the seasonal rule takes one seventh of the night.
inline constexpr double kSeasonalSeventhLatitude = 55;

// The seasonal rule's minutes before sunrise (Fajr) or after sunset (Isha) on `date` at
// `latitude` (degrees), for its shafaq; 0 for kShafaqNone.
double SeasonalMinutes(bool fajr, int16_t shafaq, double latitude, DateValue date);

// The calendars a method's Ramadan rule may follow.
enum RamadanCalendars : int16_t { kRamadanChosenCalendar = 0, kRamadanUmmAlQura = 1 };

// The kinds of day: an ordinary one, one where the sun never sinks to the Fajr or Isha angle, one
// where it never sets, one where it never rises, one where it never casts the Asr shadow.
enum DayKinds : int {
    kDayRegular = 0,
    kDayNoTrueTwilight = 1,
    kDayMidnightSun = 2,
    kDayPolarNight = 3,
    kDayNoAsrShadow = 4
};

// The calculation methods: named sets of the four twilight parameters, by their index.
struct CalcMethodPreset {
    const char* name;  // in English
    double dawnTwilightAngle, minutesToSunrise, nightTwilightAngle, minutesAfterSunset;
};
inline constexpr int kCustomMethod = 5;
inline constexpr CalcMethodPreset kCalcMethods[6] = {
    {NV_TRANSLATE_NOOP("Method", "Umm Al-Qura, Makkah"), 19, 0, 0, 90},
    {NV_TRANSLATE_NOOP("Method", "World Islamic League"), 18, 0, 17, 0},
    {NV_TRANSLATE_NOOP("Method", "Egyptian General Organization of Survey"), 19.5, 0, 17.5, 0},
    {NV_TRANSLATE_NOOP("Method", "University Of Islamic Sciences, Karachi"), 18, 0, 18, 0},
    {NV_TRANSLATE_NOOP("Method", "Islamic Society Of North America (ISNA)"), 15, 0, 15, 0},
    {NV_TRANSLATE_NOOP("Method", "Custom / User Defined"), 0, 0, 0, 0},  // the values the user entered
};
// The name of method `index` as the windows show it, in the program's language (the table holds
// the English names that noorvale-times prints); empty for an index outside the table.
std::string CalcMethodDisplayName(int index);
// Writes a preset's four parameters into the calculator; the custom method changes nothing.
void ApplyCalcMethod(clsPrayTime& calculator, int index);

// The error numbers the calculator raises.
inline constexpr int32_t kErrPrayerDateInvalid = static_cast<int32_t>(0x80042AF9u);
inline constexpr int32_t kErrLongitudeInvalid = static_cast<int32_t>(0x80042AFAu);
inline constexpr int32_t kErrLatitudeInvalid = static_cast<int32_t>(0x80042AFBu);
inline constexpr int32_t kErrShadowRatioInvalid = static_cast<int32_t>(0x80042AFCu);
inline constexpr int32_t kErrPrayTimeFailure = static_cast<int32_t>(0x80042AFDu);

}  // namespace nv
