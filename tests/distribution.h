// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "common/random_source.h"

// The real source under a fixed seed, so that every run sees the same draws. The drill under
// test draws from it; expectDraws() starts it afresh.
inline ClockRandomSource seededSource{20240611};

// Calls `draw()` `n` times, each drawing from seededSource and naming the cell it drew, and
// holds the counts against `weights`, each cell's relative chance: exactly the cells named
// there come up, and Pearson's chi-square stays below its upper 0.1 % tail for (cells - 1)
// degrees of freedom, the value chance passes once in a thousand runs (by Wilson and
// Hilferty's cube-root approximation). A wrong range, a lost or doubled value, or a
// rejection that leans one way passes it many times over.
template <typename Cell, typename Draw>
void expectDraws(int n, const std::map<Cell, double>& weights, Draw draw)
{
    seededSource = ClockRandomSource(20240611);
    std::map<Cell, double> stray;  // what was drawn, until matched with an expected cell
    for (int i = 0; i < n; ++i)
        ++stray[draw()];
    double total = 0, chiSquare = 0;
    for (const auto& [cell, weight] : weights)
        total += weight;
    int missing = 0;
    for (const auto& [cell, weight] : weights) {
        const double expected = n * weight / total, seen = stray[cell];
        chiSquare += (seen - expected) * (seen - expected) / expected;
        missing += stray.extract(cell).mapped() == 0;
    }
    EXPECT_TRUE(stray.empty() && missing == 0)
        << missing << " cells never drawn; drawn, unexpected: " << testing::PrintToString(stray);
    const double k = double(weights.size() - 1), z = 3.0902;  // the normal's upper 0.1 % point
    EXPECT_LT(chiSquare, k * std::pow(1 - 2 / (9 * k) + z * std::sqrt(2 / (9 * k)), 3));
}
