#pragma once
#include <memory>
#include <string>
#include <vector>

#include <QByteArray>
#include <QString>

#include "platform/SdlMediaLibrary.h"

// One MIDI tune and the FluidSynth synthesizer that plays it, rendered into the
// mixer's music stream. The synthesizer (tens of megabytes with its soundfont) lives
// exactly as long as this object, which the media service keeps only while the tune
// plays.
class SdlMediaTune {
public:
    // The tune ready to sound, or null with the reason in Swedish. Loads only the
    // samples of the instruments the tune selects, and renders its first moments here
    // rather than in the audio thread, where loading them would make the output stall.
    static std::unique_ptr<SdlMediaTune> load(const SdlMediaLibrary& library,
                                              const std::string& soundFont,
                                              const QByteArray& midi, int rate, QString& reason);
    ~SdlMediaTune();

    SdlMediaTune(const SdlMediaTune&) = delete;
    SdlMediaTune& operator=(const SdlMediaTune&) = delete;

    // Audio thread: writes `frames` interleaved stereo frames of signed 16-bit samples.
    // False once the tune has ended; out is then left as it was.
    bool render(Sint16* out, int frames);

private:
    explicit SdlMediaTune(const SdlMediaLibrary& library);

    const SdlMediaLibrary& lib;
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_player_t* player = nullptr;
    std::vector<Sint16> preroll; // the first frames, rendered at load
    std::size_t prerollPlayed = 0; // samples of preroll already handed out
};
