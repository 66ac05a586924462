// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/random_source.h"

#include <chrono>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>

int RandomSource::below(int n)
{
    if (n <= 1) {
        return 0;
    }
    // Clamped in floating point before the conversion, so a value outside
    // [0, 1) from a scripted source can never reach past the range.
    const double scaled = nextUnit() * n;
    if (!(scaled >= 0.0)) {
        return 0;
    }
    if (scaled >= static_cast<double>(n)) {
        return n - 1;
    }
    return static_cast<int>(scaled);
}

namespace {

// Entropy from the system, taken once. If the system has none to give, the
// clock and an address still make two runs differ.
std::uint64_t startEntropy()
{
    std::uint64_t entropy = 0;
    try {
        std::random_device device;
        entropy = (static_cast<std::uint64_t>(device()) << 32) ^ device();
    } catch (...) {
        entropy =
            static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
        entropy ^= reinterpret_cast<std::uintptr_t>(&entropy);
    }
    return entropy;
}

std::uint32_t low(std::uint64_t value) { return static_cast<std::uint32_t>(value); }

std::uint32_t high(std::uint64_t value) { return static_cast<std::uint32_t>(value >> 32); }

}  // namespace

ClockRandomSource::ClockRandomSource() : m_entropy(startEntropy()) { reseed(); }

ClockRandomSource::ClockRandomSource(std::uint64_t seed)
    : m_engine(seed), m_entropy(seed), m_fixedSeed(true)
{
}

double ClockRandomSource::nextUnit()
{
    // The top 53 bits give every double of the form k / 2^53, all below 1.
    constexpr double kUnit = 1.0 / 9007199254740992.0;  // 2^-53
    return static_cast<double>(m_engine() >> 11) * kUnit;
}

void ClockRandomSource::reseed()
{
    // The counter makes re-seeds within one clock tick differ; the entropy
    // taken at start makes two runs differ; the clocks make it fresh.
    // A source made with a fixed seed leaves the clocks out, so a whole run
    // of draws and re-seeds repeats exactly.
    ++m_reseeds;
    const auto steady = m_fixedSeed
                            ? 0
                            : static_cast<std::uint64_t>(
                                  std::chrono::steady_clock::now().time_since_epoch().count());
    const auto wall = m_fixedSeed
                          ? 0
                          : static_cast<std::uint64_t>(
                                std::chrono::system_clock::now().time_since_epoch().count());
    std::seed_seq sequence{low(steady),    high(steady),    low(wall),      high(wall),
                           low(m_entropy), high(m_entropy), low(m_reseeds), high(m_reseeds)};
    m_engine.seed(sequence);
}

ScriptedRandomSource::ScriptedRandomSource(std::vector<double> values) : m_values(std::move(values))
{
}

double ScriptedRandomSource::nextUnit()
{
    if (m_next >= m_values.size()) {
        throw std::out_of_range("the scripted random source has no value left after " +
                                std::to_string(m_drawn) + " draws");
    }
    ++m_drawn;
    return m_values[m_next++];
}

void ScriptedRandomSource::setValues(std::vector<double> values)
{
    m_values = std::move(values);
    m_next = 0;
}
