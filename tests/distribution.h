// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
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
    std::map<Cell, double> seen;
    for (int i = 0; i < n; ++i)
        ++seen[draw()];
    const auto sameCell = [](const auto& a, const auto& b) { return a.first == b.first; };
    EXPECT_TRUE(std::equal(seen.begin(), seen.end(), weights.begin(), weights.end(), sameCell))
        << "drawn: " << testing::PrintToString(seen);
    // With every draw in a cell, Pearson's sum of (count - expected)^2 / expected is the sum of
    // count^2 / expected, less n.
    double total = 0, sum = 0;
    for (const auto& [cell, weight] : weights)
        total += weight, sum += seen[cell] * seen[cell] / weight;
    const double k = double(weights.size() - 1), z = 3.0902;  // the normal's upper 0.1 % point
    EXPECT_LT(total * sum / n - n, k * std::pow(1 - 2 / (9 * k) + z * std::sqrt(2 / (9 * k)), 3));
}

// The pairs (a, b) with a from a0 to a1 and b from b0 to b1, each weighted by `weight` (all
// alike by default); a pair of weight 0 is left out.
inline std::map<std::pair<int, int>, double> pairs(
    int a0, int a1, int b0, int b1,
    const std::function<double(int, int)>& weight = [](int, int) { return 1.0; })
{
    std::map<std::pair<int, int>, double> cells;
    for (int a = a0; a <= a1; ++a)
        for (int b = b0; b <= b1; ++b)
            if (weight(a, b) > 0)
                cells[{a, b}] = weight(a, b);
    return cells;
}
