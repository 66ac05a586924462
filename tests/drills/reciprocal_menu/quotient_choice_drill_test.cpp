// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/reciprocal_menu/quotient_choice_drill.h"

#include <algorithm>

#include "distribution.h"

namespace {

using Drill = QuotientChoiceDrill;

// A started drill over scripted draws, with a copy of it taken at each sound.
struct Rig final : Feedback {
    explicit Rig(std::vector<double> units) : random(std::move(units)) { drill.start(); }
    void play(Verdict verdict) override { played.push_back({verdict, drill}); }
    ScriptedRandomSource random;
    Drill drill{random, *this};
    std::vector<std::pair<Verdict, Drill>> played;
};

TEST(QuotientChoice, EachKindWithItsButtonsAtLoadAndLaterAndOneJudgedChoicePerDivision)
{
    // The kind and its first number a; the division; the buttons at load and later.
    struct Case { int kind, a; std::string question; std::array<int, 3> atLoad, later; };
    const Case cases[] = {{0, 7, "70÷10=", {700, 7, 70}, {70, 7, 700}},
                          {1, 3, "300÷100=", {30, 300, 3}, {30, 300, 3}},
                          {2, 42, "42000÷1000=", {42, 420, 4200}, {42, 420, 4200}},
                          {3, 1, "1000÷100=", {10, 100, 1000}, {10, 100, 1000}},
                          {4, 5, "5000÷10=", {50000, 500, 5000}, {50000, 500, 5000}},
                          {5, 99, "990000÷1000=", {99000, 9900, 990}, {99000, 9900, 990}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.question);
        // Two attempts that draw a 0 are drawn again, kind and all, on the one seed.
        const double kind = (c.kind + .5) / 6, a = (c.a + .5) / (c.kind ? 100 : 10);
        Rig r({.5 / 6, .5 / 10, 3.5 / 6, .5 / 100, kind, a, kind, a});
        EXPECT_EQ(std::tuple(r.drill.questionText(), r.drill.options(), r.random.reseedCount()),
                  std::tuple(c.question, c.atLoad, 1));
        const auto right = [&](const std::array<int, 3>& options) {
            return int(std::ranges::find(options, r.drill.answer()) - options.begin());
        };
        EXPECT_FALSE(r.drill.choose((right(c.atLoad) + 1) % 3));
        EXPECT_FALSE(r.drill.choose(right(c.atLoad)));  // during the pause: not judged
        // At the sound: the correction and its counter, the buttons at rest; no grade, no pause.
        const Drill& s = r.played.at(0).second;
        const std::string answer = std::to_string(r.drill.answer());
        EXPECT_EQ(s.feedbackText(), "أخطأت الاجابة الصحيحة هي  " + answer);
        EXPECT_TRUE(s.feedbackShown() && s.score().wrongCount() == 1 && !s.optionsEnabled());
        EXPECT_TRUE(s.score().grade().empty() && !s.timerArmed(Drill::Timer::Timer1));
        EXPECT_TRUE(r.played.size() == 1 && r.drill.score().grade() == "راسب ، لماذا ؟ ");
        r.drill.nextQuestion();
        EXPECT_EQ(r.drill.options(), c.later);
        EXPECT_TRUE(r.drill.optionsEnabled() && !r.drill.feedbackShown());
        EXPECT_TRUE(r.drill.choose(right(c.later)));
        EXPECT_EQ(r.drill.feedbackText(), "أحسنت إجابة صحيحة ");
        EXPECT_EQ(r.drill.score().grade(), "تدرب أكثر");  // 1 of 2
    }
    // Kind 0 loses a tenth of its draws to a first number of 0, the others a hundredth.
    const int dividendPerA[] = {10, 100, 1000, 1000, 1000, 10000};
    std::map<std::pair<int, int>, double> problems;
    for (int kind = 0; kind < 6; ++kind)
        for (int a = 1; a < (kind ? 100 : 10); ++a)
            problems[{kind, a}] = kind ? 1 : 10;
    Rig quiet({1, 1});
    Drill d(seededSource, quiet);
    expectDraws(30000, problems, [&] {
        return d.start(), std::pair(d.kind(), d.dividend() / dividendPerA[d.kind()]);
    });
}

}  // namespace
