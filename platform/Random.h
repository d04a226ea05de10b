// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Uniform single-precision numbers for the dice.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seed(float value) = 0;
    // Always 0 <= r < 1, so int(6 * r + 1) is a face 1..6.
    virtual float next() = 0;
};

// Seconds since midnight with their fraction: the seed the windows use.
float secondsSinceMidnight();

// The face a die shows for a draw r in [0, 1).
inline int faceFromDraw(float r)
{
    return static_cast<int>(6.0f * r + 1.0f);
}
