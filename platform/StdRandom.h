// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <random>

#include "platform/Random.h"

class StdRandom : public RandomSource {
public:
    void seed(float value) override;
    float next() override;

private:
    std::mt19937 engine_{5489u};
};
