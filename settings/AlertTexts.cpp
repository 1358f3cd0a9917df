#include "AlertTexts.h"

#include "CalendarRows.h"
#include "Translate.h"
#include "VbConv.h"
#include "modNoorvale.h"

namespace nv {

namespace {

const TranslatedTable<6> kLong("Alert", {
    //: The alert at Fajr's minute; say the prayer's name as your language names the prayer (Turkish: Sabah namazı).
    NV_TRANSLATE_NOOP("Alert", "It is time for Fajr prayer."),
    //: At sunrise there is no prayer: the sentence names the sunrise.
    NV_TRANSLATE_NOOP("Alert", "It is sunrise (Shurooq)."),
    NV_TRANSLATE_NOOP("Alert", "It is time for Dhuhr prayer."),
    NV_TRANSLATE_NOOP("Alert", "It is time for Asr prayer."),
    NV_TRANSLATE_NOOP("Alert", "It is time for Maghrib prayer."),
    NV_TRANSLATE_NOOP("Alert", "It is time for Isha prayer."),
});

const TranslatedTable<6> kShort("Alert", {
    //: Blinks in the compact window and the minimised caption at Fajr's minute: short, the prayer named.
    NV_TRANSLATE_NOOP("Alert", "Fajr now."),
    NV_TRANSLATE_NOOP("Alert", "Shurooq now."),
    NV_TRANSLATE_NOOP("Alert", "Dhuhr now."),
    NV_TRANSLATE_NOOP("Alert", "Asr now."),
    NV_TRANSLATE_NOOP("Alert", "Maghrib now."),
    NV_TRANSLATE_NOOP("Alert", "Isha now."),
});

}  // namespace

std::string AlertText(int period, AlertForm form, const std::string& shownName) {
    if (period < 1 || period > 6) return {};
    const auto i = static_cast<size_t>(period - 1);
    if (PeriodNames[i] == DefaultPeriodName(period)) return form == AlertForm::Long ? kLong[i] : kShort[i];
    return FillIn(form == AlertForm::Long
                      //: The alert for a prayer the user renamed; %1 is the name the user gave.
                      ? Translate("Alert", "It is time for %1 prayer.")
                      //: Blinks at the minute of a prayer the user renamed; %1 is the name the user gave.
                      : Translate("Alert", "%1 now."),
                  {shownName});
}

}  // namespace nv
