#pragma once

#include "core/random_source.h"

#include <random>

// The engine of the real random source with a fixed seed, for checking a
// generator's ranges and rules over many problems. reseed() keeps the sequence
// going: reseeding from the clock in a tight loop would deal the same problem
// over and over. Counts the draws.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(unsigned seed = 20241208u) : engine_(seed) {}
    void reseed() override {}
    int R(int n) override {
        ++draws;
        // As the real source does, which has no number to give for n below 1.
        if (n <= 0)
            return 0;
        return std::uniform_int_distribution<int>(0, n - 1)(engine_);
    }
    int draws = 0;

private:
    std::mt19937 engine_;
};
