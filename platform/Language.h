// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QStringView>

class SettingsStore;

// The language every text is shown in: Swedish, the texts' own, or one whose catalogue is
// built into the program (":/i18n/kolvo_<code>.qm", made from translations/kolvo_<code>.ts).
// The player's choice is kept beside the other preferences: section [Preferences], key
// Language, the language's code ("sv", "en").
namespace language {

inline constexpr QStringView kSwedish = u"sv";
inline constexpr QStringView kPreferenceSection = u"Preferences";
inline constexpr QStringView kLanguageKey = u"Language";

// Swedish first, then every language with a catalogue, by code.
QStringList available();
// A language's name in that language, as a list of languages shows it: "Svenska", "English".
QString nativeName(QStringView code);

// The language shown now: Swedish until another one is applied.
QString current();
// How numbers are written in the language shown now ("231,4" in Swedish, "231.4" in English).
QLocale locale();

// Shows every text in `code` from now on: the program's catalogue, and Qt's own texts (the
// buttons of its dialogs) in that language, or in Swedish Qt's Swedish catalogue with the
// program's own button texts beneath it. Every window then gets a LanguageChange event.
// A language with no catalogue means Swedish.
void apply(QStringView code);

// At start: the language the store keeps, or Swedish when none is kept or it is gone.
void restore(SettingsStore& settings, QStringView application);
// The player's choice: shown at once, and kept.
void choose(SettingsStore& settings, QStringView application, QStringView code);

} // namespace language
