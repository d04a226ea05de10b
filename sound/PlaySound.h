// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

class Media;

namespace sound {

// Fire and forget: with the sound on and at least one output device, hands "Play " + WavName to the
// media service and returns at once; the result is not looked at.
void PlaySound(Media& media, const QString& WavName);

// The set-up window's tune, named without a directory: it is looked up in the
// working directory. Played on the same terms as any sound.
inline constexpr char kSetupTuneCommand[] = "Play I3IK.MID";
void playSetupTune(Media& media);

} // namespace sound
