// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <deque>
#include <initializer_list>

#include "platform/Random.h"

// Scripted draws. queueFaces({2, 3, 4, 5, 6}) makes the next draws show those faces.
// With the queue empty every draw shows a one.
class FakeRandom : public RandomSource {
public:
    std::deque<float> draws;
    int seeds = 0;
    float lastSeed = -1.0f;

    void seed(float value) override
    {
        ++seeds;
        lastSeed = value;
    }
    float next() override
    {
        if (draws.empty())
            return 0.0f;
        const float r = draws.front();
        draws.pop_front();
        return r;
    }
    void queueFaces(std::initializer_list<int> faces)
    {
        for (int f : faces)
            draws.push_back((static_cast<float>(f) - 0.5f) / 6.0f);
    }
};
