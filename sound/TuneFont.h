// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <bitset>
#include <map>
#include <optional>
#include <utility>

#include <QByteArray>
#include <QByteArrayView>

// A soundfont cut down to one tune. A General MIDI soundfont holds some two hundred
// instruments; a synthesizer that loads it parses every zone and keeps every sample,
// although a tune sounds a handful of instruments on a few dozen keys. The cut font
// keeps exactly what the tune can reach, so a synthesizer plays the tune from it
// sample for sample as from the whole font, in a fraction of the memory.
namespace tunefont {

// The keys a tune plays, by the preset a synthesizer picks for them: (bank, program)
// of a preset the font has. A channel without a program change plays program 0;
// channel 10 is the drum channel, bank 128. A preset the font lacks falls back as the
// synthesizer's own lookup does: to program 0 of the drum bank, or for a melodic one
// to bank 0 with the same program, then bank 0 program 0.
using Preset = std::pair<int, int>;
using TuneKeys = std::map<Preset, std::bitset<128>>;

// The keys of a Standard MIDI File against a font's presets; nothing when the file
// is not one this can follow (it is malformed, or carries system-exclusive messages
// that may reset the channels).
std::optional<TuneKeys> keysOfTune(QByteArrayView midi, QByteArrayView font);

// A SoundFont 2 file with the presets of `keys`, each with only the instrument zones
// that one of their keys can sound, and only the samples those zones play. Empty when
// `font` is not a SoundFont 2 file whose structure holds together.
QByteArray cutFont(QByteArrayView font, const TuneKeys& keys);

} // namespace tunefont
