#include "ProgramLanguage.h"

#include <QLocale>
#include <memory>

#include "DateLocale.h"
#include "modNoorvale.h"
#include "modRegistry.h"

namespace nv {

namespace {

bool arabicScript(const std::string& code) { return code == "ar" || code == "ur"; }

struct Designators {
    std::string am, pm;
};

// The AM/PM designators a language writes: Qt's where they are the language's own (ص/م), Urdu's
// ق ظ/ب ظ, and none in French, Turkish and Indonesian, which read 24-hour times.
Designators designatorsOf(const std::string& code, const QLocale& locale) {
    if (code == "ur") return {"ق ظ", "ب ظ"};
    if (code == "fr" || code == "tr" || code == "id") return {};
    return {locale.amText().toStdString(), locale.pmText().toStdString()};
}

// The session's month and weekday names and AM/PM in `code`'s own words, the date layouts kept.
void installDateNames(const std::string& code) {
    auto base = systemDateLocale();
    auto table = std::make_shared<TableDateLocale>();
    const QLocale locale(QString::fromStdString(code));
    for (int m = 1; m <= 12; ++m) {
        table->months[m - 1] = locale.monthName(m, QLocale::LongFormat).toStdString();
        table->monthsAbbrev[m - 1] = locale.monthName(m, QLocale::ShortFormat).toStdString();
    }
    for (int d = 0; d < 7; ++d) {  // Sunday first; Qt counts Monday = 1 .. Sunday = 7
        const int qtDay = d == 0 ? 7 : d;
        table->days[d] = locale.dayName(qtDay, QLocale::LongFormat).toStdString();
        table->daysAbbrev[d] = locale.dayName(qtDay, QLocale::ShortFormat).toStdString();
    }
    const Designators designators = designatorsOf(code, locale);
    table->am = designators.am;
    table->pm = designators.pm;
    if (arabicScript(code)) table->commaSign = "،";
    table->shortDate = base->shortDatePattern();
    table->longDate = base->longDatePattern();
    table->longTime = base->longTimePattern();
    setDateLocale(table);
}

}  // namespace

std::string StoredLanguage() { return ReadRegValue(HKEY_CURRENT_USER, LanguageKey(), kLanguageName, "").toText(); }

void SaveLanguage(const std::string& code) { WriteRegString(HKEY_CURRENT_USER, LanguageKey(), kLanguageName, code); }

std::string InstallLanguage() {
    return InstallLanguage(ResolveLanguage(StoredLanguage(), QLocale::system().uiLanguages()));
}

std::string InstallLanguage(const std::string& code) {
    const std::string spoken = InstallCatalogues(code, ProgramFolder());
    if (spoken != "en" || !StoredLanguage().empty()) installDateNames(spoken);
    else setDateLocale(nullptr);  // the session's own names
    return spoken;
}

}  // namespace nv
