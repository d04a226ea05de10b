// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>

// The media service: a count of sound-output devices and one textual command,
// "Play " followed by a path, or "Stop", which silences whatever plays. A command never
// waits for playback to end; a failure is shown to the user by the service itself.
class Media {
public:
    virtual ~Media() = default;
    virtual unsigned waveOutGetNumDevs() = 0;
    virtual bool mciExecute(const QByteArray& command) = 0;

    // The player's sound switch, on at first. While it is off the game's sounds and tunes
    // are not handed to the service at all (sound/PlaySound.h); switching it off stops what
    // plays at once.
    bool soundOn() const { return soundOn_; }
    void setSoundOn(bool on)
    {
        if (on == soundOn_)
            return;
        soundOn_ = on;
        if (!on)
            mciExecute(QByteArrayLiteral("Stop"));
    }

private:
    bool soundOn_ = true;
};
