#pragma once

#include "core/seam.h"

// Where every problem generator draws its numbers.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed() = 0;
    // A uniform whole number from 0 to n - 1.
    virtual int R(int n) = 0;
};

inline RandomSource& randomSource() {
    return Seam<RandomSource>::get();
}
