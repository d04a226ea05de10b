// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>

// The media service: a count of sound-output devices and one textual command,
// "Play " followed by a path. A command never waits for playback to end; a failure
// is shown to the user by the service itself.
class Media {
public:
    virtual ~Media() = default;
    virtual unsigned waveOutGetNumDevs() = 0;
    virtual bool mciExecute(const QByteArray& command) = 0;
};
