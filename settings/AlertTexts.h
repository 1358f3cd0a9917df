// What Noorvale says at a prayer's minute, in the program's language: the long sentence of the
// caption, the tray and the desktop notice ("It is time for Asr prayer.") and the short one of
// the compact window and the minimised caption ("Asr now.").
//
// A period under its language's own name has sentences of its own, written whole by the
// translator, because a language may name the time and the prayer differently (Turkish: the
// column says İmsak, the prayer is the Sabah namazı) or need the name's own grammar (French
// "d'Asr", "de Fajr"). A name the user gave goes into a general sentence instead.
#pragma once

#include <string>

namespace nv {

enum class AlertForm { Long, Short };

// The sentence for period 1..6 (6: Isha; 2, Shurooq, names the sunrise, which has no prayer);
// `shownName` is the period's name as the sentence should show it (set apart when it is written
// right to left), used only when the user renamed the period. Empty for any other period.
std::string AlertText(int period, AlertForm form, const std::string& shownName);

}  // namespace nv
