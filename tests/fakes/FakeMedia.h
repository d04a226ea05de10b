// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <vector>

#include "platform/Media.h"

// Records every media command; the device count is set by the test.
class FakeMedia : public Media {
public:
    unsigned devices = 1;
    std::vector<QByteArray> commands;

    unsigned waveOutGetNumDevs() override { return devices; }
    bool mciExecute(const QByteArray& command) override
    {
        commands.push_back(command);
        return true;
    }
};
