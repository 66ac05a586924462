// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/reciprocal_menu/reciprocal_fraction.h"

#include "common/random_source.h"

namespace {
// A draw takes 0 to 20 and rejects the 0.
constexpr int drawRange = 21;
}  // namespace

ReciprocalFraction drawReciprocalFraction(RandomSource& random)
{
    for (;;) {
        random.reseed();
        const int numerator = random.below(drawRange);
        const int denominator = random.below(drawRange);
        if (numerator != 0 && denominator != 0)
            return {numerator, denominator};
    }
}
