// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/PlaySound.h"

#include "platform/Media.h"

namespace sound {

void PlaySound(Media& media, const QString& WavName)
{
    if (!media.soundOn() || media.waveOutGetNumDevs() == 0)
        return;
    media.mciExecute((QStringLiteral("Play ") + WavName).toLocal8Bit());
}

void playSetupTune(Media& media)
{
    if (!media.soundOn() || media.waveOutGetNumDevs() == 0)
        return;
    media.mciExecute(QByteArray(kSetupTuneCommand));
}

} // namespace sound
