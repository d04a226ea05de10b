#pragma once
#include <random>

#include "platform/Random.h"

class StdRandom : public RandomSource {
public:
    void Randomize(float seed) override;
    float Rnd() override;

private:
    std::mt19937 engine_{5489u};
};
