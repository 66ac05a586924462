// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class RandomSource;

// The fraction the reciprocal drills put before the pupil: numerator and
// denominator each from 1 to 20, independent of each other.
struct ReciprocalFraction {
    int numerator = 1;
    int denominator = 1;
};

// Draws a fraction: re-seeds, draws the numerator, then the denominator, each
// from 0 to 20, and starts again from a fresh seed while either is 0.
ReciprocalFraction drawReciprocalFraction(RandomSource& random);
