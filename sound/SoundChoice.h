// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QStringView>

class Media;
class SettingsStore;

namespace sound {

// The player's choice of sound on or off, kept as a preference in the user's settings
// beside the record: section [Preferences], key Sound, "on" or "off".
inline constexpr QStringView kPreferenceSection = u"Preferences";
inline constexpr QStringView kSoundKey = u"Sound";
inline constexpr QStringView kSoundOn = u"on";
inline constexpr QStringView kSoundOff = u"off";

// Sets the media service's switch as the store has it: on unless "off" is stored.
void restoreSoundChoice(Media& media, SettingsStore& settings, QStringView application);
// Switches the sound on or off at once and keeps the choice.
void chooseSound(Media& media, SettingsStore& settings, QStringView application, bool on);

} // namespace sound
