// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QStringView>

class QAction;
class QMenu;
class SettingsStore;

namespace ui {

// The same words in every language, so that a player finds it in a language they cannot read.
inline constexpr QStringView kLanguageMenuCaption = u"Sp&råk / Language";
inline constexpr QStringView kLanguageMenuName = u"mnuLanguage";

// "Språk / Language" in `fileMenu`, above `before`: Svenska, English and every other language
// whose catalogue is built in, each by its own name, the one shown ticked. Choosing one shows
// every window in it at once and keeps the choice in the store under `application`.
QMenu* addLanguageMenu(QMenu& fileMenu, QAction* before, SettingsStore& settings, QStringView application);

} // namespace ui
