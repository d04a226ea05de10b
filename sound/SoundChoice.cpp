// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/SoundChoice.h"

#include "platform/Media.h"
#include "platform/SettingsStore.h"

namespace sound {

void restoreSoundChoice(Media& media, SettingsStore& settings, QStringView application)
{
    media.setSoundOn(settings.value(application, kPreferenceSection, kSoundKey, kSoundOn) != kSoundOff);
}

void chooseSound(Media& media, SettingsStore& settings, QStringView application, bool on)
{
    media.setSoundOn(on);
    settings.setValue(application, kPreferenceSection, kSoundKey, on ? kSoundOn : kSoundOff);
}

} // namespace sound
