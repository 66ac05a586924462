// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/reciprocal_menu/quotient_choice_drill.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "common/random_source.h"
#include "scoring/feedback.h"

namespace {

// A started drill whose source draws each (kind, first number a) in turn.
struct Rig final : Feedback {
    explicit Rig(std::initializer_list<std::pair<int, int>> problems)
    {
        std::vector<double> units;
        for (auto [kind, a] : problems)
            units.insert(units.end(), {(kind + 0.5) / 6, (a + 0.5) / (kind ? 100 : 10)});
        random.setValues(units);
        drill.start();
    }
    void play(Verdict) override {}
    ScriptedRandomSource random;
    QuotientChoiceDrill drill{random, *this};
};

TEST(QuotientChoice, EachKindAtLoadAndLaterWithAWrongThenARightChoice)
{
    using Options = std::array<int, 3>;
    // Only kind 0 lays its buttons out anew after the first division.
    struct Case { int kind, a; const char* question; Options atLoad, later{}; };
    for (const Case& c : {Case{0, 7, "70÷10=", {700, 7, 70}, {70, 7, 700}},
                          Case{1, 3, "300÷100=", {30, 300, 3}}, Case{2, 42, "42000÷1000=", {42, 420, 4200}},
                          Case{3, 1, "1000÷100=", {10, 100, 1000}}, Case{4, 5, "5000÷10=", {50000, 500, 5000}},
                          Case{5, 99, "990000÷1000=", {99000, 9900, 990}}}) {
        SCOPED_TRACE(c.question);
        // Two attempts that draw a 0 come first: both are drawn again, kind and all, on one seed.
        Rig r({{0, 0}, {3, 0}, {c.kind, c.a}, {c.kind, c.a}});
        EXPECT_EQ(r.random.reseedCount(), 1);
        EXPECT_EQ(r.drill.questionText(), c.question);
        EXPECT_EQ(r.drill.options(), c.atLoad);
        EXPECT_FALSE(r.drill.choose(-1) || r.drill.choose(3) || !r.drill.optionsEnabled());  // no such button
        EXPECT_FALSE(r.drill.choose(c.atLoad[0] == r.drill.answer() ? 1 : 0));
        EXPECT_EQ(r.drill.feedbackText(), "أخطأت الاجابة الصحيحة هي  " + std::to_string(r.drill.answer()));
        r.drill.nextQuestion();
        const Options later = c.kind == 0 ? c.later : c.atLoad;
        EXPECT_EQ(r.drill.options(), later);
        EXPECT_TRUE(r.drill.choose(int(std::ranges::find(later, r.drill.answer()) - later.begin())));
        EXPECT_EQ(r.drill.feedbackText(), "أحسنت إجابة صحيحة ");
    }
}

TEST(QuotientChoice, KindsAndFirstNumbersAreUniform)
{
    Rig silent({{1, 1}});
    ClockRandomSource random(20240611);  // a fixed seed: the same draws on every run
    QuotientChoiceDrill drill(random, silent);
    const int perA[] = {10, 100, 1000, 1000, 1000, 10000};
    std::map<int, double> kinds, small, large;
    for (drill.start(); drill.score().questionCount() <= 30000; drill.nextQuestion()) {
        ++kinds[drill.kind()];
        ++(drill.kind() ? large : small)[drill.dividend() / perA[drill.kind()]];
    }
    const auto chiSquare = [](const std::map<int, double>& counts, auto expected, double sum = 0) {
        for (auto [value, n] : counts)
            sum += (n - expected(value)) * (n - expected(value)) / expected(value);
        return sum;
    };
    // Kind 0 loses a tenth of its draws to a 0, the others a hundredth. The bounds are the
    // one-in-a-thousand tails for 5, 8 and 98 degrees of freedom.
    EXPECT_LT(chiSquare(kinds, [](int k) { return 30000 * (k ? 0.99 : 0.9) / 5.85; }), 20.5);
    EXPECT_LT(chiSquare(small, [&](int) { return kinds[0] / 9; }), 26.1);
    EXPECT_LT(chiSquare(large, [&](int) { return (30000 - kinds[0]) / 99; }), 148.0);
    EXPECT_TRUE(small.size() == 9 && small.begin()->first == 1 && small.rbegin()->first == 9 &&
                large.size() == 99 && large.begin()->first == 1 && large.rbegin()->first == 99);
}

}  // namespace
