// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include <QByteArray>
#include <QString>

#include "platform/Media.h"

class QObject;

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

// The media service over SDL2_mixer, which plays MIDI through FluidSynth. One per
// process (SDL is process-wide); create it on the user-interface thread after the
// Q(Core)Application.
//
// Nothing is loaded until a sound is first asked for (the first call of either
// method): then a worker thread opens the audio libraries, starts SDL's audio, opens
// the output when there is a device, and from then on carries out the commands one
// after the other. mciExecute only parses the command and hands it over, so the
// calling thread never waits on audio. Failures come back to the creating thread as
// queued calls of the reporter, so they need that thread's event loop to be seen.
//
// "Play <path>": the verb in any case, one blank, the rest is the path exactly, as
// 8-bit local text. A ".wav" file plays on a free effect channel, overlapping
// whatever else sounds; ".mid" plays as SDL2_mixer's music with the General MIDI
// soundfont and replaces a tune that is playing. "Stop", the verb alone in any case,
// drops the sounds not yet begun and halts every one playing, the tune included. The synthesizer loads only the part
// of the soundfont the tune sounds (sound/TuneFont.h). Decoded waves are kept by
// path; a tune, and the synthesizer SDL2_mixer made for it, is freed when it ends.
class SdlMedia : public Media {
public:
    using Reporter = std::function<void(const MediaFailure&)>;

    static constexpr char kDefaultSoundFont[] = "/usr/share/sounds/sf2/TimGM6mb.sf2";
    static constexpr int kEffectChannels = 16;
    // The longest the first device count waits for the audio to start; a sound server
    // that has not answered by then means no device for that call.
    static constexpr std::chrono::milliseconds kFirstCountWait{300};
    // The longest the destructor waits for the audio to close. A worker still held up
    // by the sound server after that is left to finish on its own.
    static constexpr std::chrono::milliseconds kCloseWait{250};

    explicit SdlMedia(Reporter reporter, std::string soundFont = kDefaultSoundFont);
    // Stops every sound and closes the audio output, waiting at most kCloseWait.
    ~SdlMedia() override;

    SdlMedia(const SdlMedia&) = delete;
    SdlMedia& operator=(const SdlMedia&) = delete;

    // The number of playback devices SDL sees. Until the audio has started, calls
    // wait for it, kFirstCountWait in all at most, and answer 0 when it is still not
    // known.
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
    std::optional<std::chrono::steady_clock::time_point> waitAudible(std::chrono::milliseconds timeout);

private:
    struct Worker;
    void startWorker();

    std::shared_ptr<Worker> worker_; // shared with its thread, which may outlive this
    std::unique_ptr<QObject> relay_; // lives on the creating thread, which runs the reporter
    std::thread thread_;
    std::optional<std::chrono::steady_clock::time_point> countDeadline_;
};
