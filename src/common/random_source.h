// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <random>
#include <vector>

// Where the drills take their chances from: a uniform real in [0, 1).
// A whole number from 0 to n - 1 is the whole part of that real times n.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    // A uniform real number in [0, 1).
    virtual double nextUnit() = 0;
    // Starts a fresh sequence, as the drills do from the clock before a draw.
    virtual void reseed() = 0;

    // A whole number from 0 to n - 1 (n >= 1). A value from nextUnit() outside
    // [0, 1) is clamped into that range; n below 1 gives 0.
    int below(int n);
};

// The real source: a 64-bit Mersenne twister. Re-seeding mixes the clock with
// a counter and entropy taken once at start, so two re-seeds within the same
// clock tick, or two runs started in the same second, never repeat a draw.
class ClockRandomSource final : public RandomSource {
public:
    ClockRandomSource();
    // A fixed seed, for statistical tests that must be repeatable: its
    // re-seeds leave the clock out, so every run draws the same sequence.
    explicit ClockRandomSource(std::uint64_t seed);

    double nextUnit() override;
    void reseed() override;

private:
    std::mt19937_64 m_engine;
    std::uint64_t m_entropy;
    std::uint64_t m_reseeds = 0;
    bool m_fixedSeed = false;
};

// A source that hands out given values in turn, for tests, and counts the
// re-seeds asked of it. It never wraps round: a draw past the last value
// throws std::out_of_range, so a draw loop whose script only ever rejects
// fails its test at once instead of running for ever.
class ScriptedRandomSource final : public RandomSource {
public:
    explicit ScriptedRandomSource(std::vector<double> values = {});

    double nextUnit() override;
    void reseed() override { ++m_reseeds; }

    void setValues(std::vector<double> values);
    int reseedCount() const { return m_reseeds; }
    std::size_t drawCount() const { return m_drawn; }

private:
    std::vector<double> m_values;
    std::size_t m_next = 0;
    std::size_t m_drawn = 0;
    int m_reseeds = 0;
};
