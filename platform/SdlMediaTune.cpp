#include "platform/SdlMediaTune.h"

#include <algorithm>
#include <cstring>

namespace {

// SDL_mixer played its tunes at this gain; FluidSynth's own default is 0.2.
constexpr float kGain = 1.2f;
// The set-up tune sounds up to 85 voices at once; FluidSynth's default of 256 costs
// about 30 kB a voice.
constexpr int kPolyphony = 128;
// Long enough to hold every event at the start of a tune, where the instruments are chosen.
constexpr int kPrerollFrames = 1024;

// A Standard MIDI File: the header chunk "MThd" of six bytes and at least one track.
bool looksLikeMidi(const QByteArray& data)
{
    return data.size() >= 22 && data.startsWith("MThd") && data.mid(4, 4) == QByteArray("\0\0\0\6", 4)
        && data.indexOf("MTrk", 14) >= 0;
}

} // namespace

SdlMediaTune::SdlMediaTune(const SdlMediaLibrary& library) : lib(library) {}

SdlMediaTune::~SdlMediaTune()
{
    if (player)
        lib.delete_fluid_player(player);
    if (synth)
        lib.delete_fluid_synth(synth);
    if (settings)
        lib.delete_fluid_settings(settings);
}

std::unique_ptr<SdlMediaTune> SdlMediaTune::load(const SdlMediaLibrary& library,
                                                 const std::string& soundFont,
                                                 const QByteArray& midi, int rate, QString& reason)
{
    if (!looksLikeMidi(midi)) {
        reason = QStringLiteral("Filen är ingen MIDI-fil som kan spelas upp.");
        return nullptr;
    }
    std::unique_ptr<SdlMediaTune> tune(new SdlMediaTune(library));
    const SdlMediaLibrary& lib = library;
    tune->settings = lib.new_fluid_settings();
    if (tune->settings) {
        lib.fluid_settings_setnum(tune->settings, "synth.sample-rate", rate);
        lib.fluid_settings_setint(tune->settings, "synth.dynamic-sample-loading", 1);
        lib.fluid_settings_setint(tune->settings, "synth.polyphony", kPolyphony);
        tune->synth = lib.new_fluid_synth(tune->settings);
    }
    if (!tune->synth) {
        reason = QStringLiteral("MIDI kan inte spelas upp: FluidSynth kunde inte startas.");
        return nullptr;
    }
    if (lib.fluid_synth_sfload(tune->synth, soundFont.c_str(), 1) == FLUID_FAILED) {
        reason = QStringLiteral("Ljudbanken för MIDI kan inte läsas: ") + QString::fromStdString(soundFont);
        return nullptr;
    }
    lib.fluid_synth_set_gain(tune->synth, kGain);
    tune->player = lib.new_fluid_player(tune->synth);
    if (!tune->player || lib.fluid_player_add_mem(tune->player, midi.constData(), std::size_t(midi.size())) != FLUID_OK
        || lib.fluid_player_play(tune->player) != FLUID_OK) {
        reason = QStringLiteral("Låten kunde inte startas.");
        return nullptr;
    }
    tune->preroll.resize(2 * kPrerollFrames);
    lib.fluid_synth_write_s16(tune->synth, kPrerollFrames, tune->preroll.data(), 0, 2, tune->preroll.data(), 1, 2);
    if (lib.fluid_player_get_status(tune->player) != FLUID_PLAYER_PLAYING) {
        reason = QStringLiteral("Filen är ingen MIDI-fil som kan spelas upp.");
        return nullptr;
    }
    return tune;
}

bool SdlMediaTune::render(Sint16* out, int frames)
{
    const std::size_t fromPreroll = std::min(preroll.size() - prerollPlayed, std::size_t(2 * frames));
    if (fromPreroll > 0) {
        std::memcpy(out, preroll.data() + prerollPlayed, fromPreroll * sizeof(Sint16));
        prerollPlayed += fromPreroll;
        out += fromPreroll;
        frames -= int(fromPreroll / 2);
        if (frames == 0)
            return true;
    } else if (lib.fluid_player_get_status(player) != FLUID_PLAYER_PLAYING) {
        return false;
    }
    lib.fluid_synth_write_s16(synth, frames, out, 0, 2, out, 1, 2);
    return true;
}
