// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/StdRandom.h"

#include <cstring>
#include <QTime>

float secondsSinceMidnight()
{
    return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
}

void StdRandom::seed(float value)
{
    std::uint32_t bits = 0;
    static_assert(sizeof(bits) == sizeof(value));
    std::memcpy(&bits, &value, sizeof(bits));
    engine_.seed(bits);
}

float StdRandom::next()
{
    // The top 24 bits make an exact float in [0, 1 - 2^-24]: never 1.0, which
    // std::generate_canonical<float> can return and which would make a seven.
    return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f);
}
