#pragma once
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <QByteArray>
#include <QString>

#include "platform/Media.h"

// Why a media command could not be carried out, in the user's language.
struct MediaFailure {
    enum class Kind { File, Command };
    Kind kind = Kind::File;
    QString subject; // the file as named in the command, or the whole command
    QString reason;  // one Swedish sentence

    // The message box text: a heading, the subject on its own line, the reason.
    QString text() const;
    bool operator==(const MediaFailure&) const = default;
};

// Shows a failure in a non-modal box (title "Kolvo", plain text, no icon, OK) and
// returns at once. While a box for a subject is open, further failures of that
// subject show nothing. User-interface thread only.
void ShowMediaFailureBox(const MediaFailure& failure);

// The media service over SDL2_mixer. One per process (SDL_mixer is process-wide);
// create it on the user-interface thread after the Q(Core)Application.
//
// A worker thread owns every SDL call: it starts the audio subsystem and opens the
// output as soon as the object exists, then carries out commands one after the
// other. mciExecute only parses the command and hands it over, so the calling thread
// never waits on audio. Failures come back to the creating thread as queued calls of
// the reporter, so they need that thread's event loop to be seen.
//
// "Play <path>": the verb in any case, one blank, the rest is the path exactly, as
// 8-bit local text. A ".wav" file plays on a free effect channel, overlapping
// whatever else sounds; ".mid" plays as music through FluidSynth with the General
// MIDI soundfont and replaces a tune that is playing. Decoded waves are kept by path.
class SdlMedia : public Media {
public:
    using Reporter = std::function<void(const MediaFailure&)>;

    static constexpr char kDefaultSoundFont[] = "/usr/share/sounds/sf2/TimGM6mb.sf2";
    static constexpr int kEffectChannels = 16;

    explicit SdlMedia(Reporter reporter = ShowMediaFailureBox,
                      std::string soundFont = kDefaultSoundFont);
    // Stops every sound and closes the audio output; waits for a load in progress.
    ~SdlMedia() override;

    SdlMedia(const SdlMedia&) = delete;
    SdlMedia& operator=(const SdlMedia&) = delete;

    // The number of playback devices SDL sees. The first call waits for the worker
    // to have started the audio subsystem if it has not yet done so.
    unsigned waveOutGetNumDevs() override;
    // False when the command was refused before any audio work (its failure is
    // reported all the same); true when it was handed to the worker.
    bool mciExecute(const QByteArray& command) override;

    // For tests and benchmarks.
    // Blocks until every command handed over so far has been carried out.
    void waitUntilIdle();
    // Arms a one-shot probe in the mixer; waitAudible then gives the moment the
    // mixer next finished a buffer holding a sample that is not silence, or nothing
    // if that has not happened within the timeout (the probe stays armed).
    void armAudibleProbe();
    std::optional<std::chrono::steady_clock::time_point>
    waitAudible(std::chrono::milliseconds timeout);

private:
    struct Worker;
    std::unique_ptr<Worker> worker_;
};
