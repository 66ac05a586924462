// SPDX-License-Identifier: GPL-3.0-or-later
// Every drill driven as its screen can drive it, in any order, with what must hold checked
// after each operation. The input is a script: a byte that picks the drill, eight bytes that
// seed its draws, then operations.
//
// What a screen can do: it loads the drill once, first. It presses any of its buttons at any
// time, also one that it hides or switches off at that moment, and with any step or option
// number, since the drill must not count on the screen to guard it. It hands over whatever its
// boxes hold, any text, since pasting passes the key filter by. But a timer ticks only while it
// runs, from the drill's asking for it until the drill stops it or it ticks once, because a
// stopped timer never fires, and the drills rely on that.
//
// What must hold, whatever the drill's rules: no counter drops; right and wrong answers grow
// only in an operation that played exactly one sound, and a sound is never played without an
// answer counted; answers stay within what the screen can count; every number shown is in its
// range; the grade is a grade word or none, and none only until the first grading; and the
// drill asks only for boxes and timers that its screen has.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <set>
#include <string>
#include <utility>

#include "common/random_source.h"
#include "drills/fact_cards/fact_cards.h"
#include "drills/fraction_division/fraction_division_drill.h"
#include "drills/reciprocal_menu/quotient_choice_drill.h"
#include "drills/reciprocal_menu/reciprocal_entry_drill.h"
#include "drills/reciprocal_menu/reciprocal_mark_drill.h"
#include "drills/whole_division/division_drill.h"

// Stops the run and names the check that failed.
#define CHECK(holds) (holds) ? void() : (std::fprintf(stderr, "failed: %s\n", #holds), std::abort())

namespace {

// Whether every number of `n` is from `a` to `b`.
bool in(std::initializer_list<int> n, int a, int b) { return std::min(n) >= a && std::max(n) <= b; }

std::int64_t answers(const DrillScore& s) { return s.correctCount() + s.wrongCount(); }

// The input, read front to back and past its end as zeros; the drills' chances, replayed from
// the seed it holds; and the sounds they play, counted. A re-seed goes on with the sequence: the
// real source's, which every draw starts with, would cost more than the rest of an input.
struct Harness final : RandomSource, Feedback {
    Harness(const std::uint8_t* data, std::size_t size) : at(data), end(data + size) {}
    std::uint8_t byte() { return at < end ? *at++ : 0; }
    // A length byte, then that many bytes of any text.
    std::string text()
    {
        const std::ptrdiff_t n = std::min<std::ptrdiff_t>(byte(), end - at);
        at += n;
        return std::string(at - n, at);
    }
    double nextUnit() override { return double(engine() >> 11) * 0x1p-53; }
    void reseed() override {}
    void play(Verdict) override { ++sounds; }

    const std::uint8_t *at, *end;
    std::mt19937_64 engine;
    int sounds = 0;
};

// What the boxes hold, in the order of the drill's Box enum; no screen has more boxes, nor more
// timers, than the fraction division's.
using Boxes = FractionDivisionDrill::BoxTexts;

// Each drill as its screen drives it: how the screen starts it; its buttons, picked by any
// number; its timers' ticks; whether every number it shows is in its range; and how far its
// counters may go.
//
// The fraction division: steps 1 to 4 and numbers that are none. A box checked again counts
// again, so its counters have no bound.
void start(FractionDivisionDrill& d) { d.load(); }
void press(FractionDivisionDrill& d, int b, const Boxes& t)
{
    b % 3 == 0 ? d.pressStep(b / 3 % 7 - 1, t) : b % 3 == 1 ? d.newQuestion() : d.toggleHelp();
}
void tick(FractionDivisionDrill& d, int t) { t == 0 ? d.timer1Fired() : d.clearMarks(t); }
bool drawn(const FractionDivisionDrill& d) { return in({d.b1(), d.m1(), d.b2(), d.m2()}, 1, 10); }
bool within(FractionDivisionDrill&, const auto&) { return true; }

// On the reciprocal and quotient screens one timer brings the next question, and a question
// takes one answer, which it counts as it is drawn.
void start(auto& quiz) { quiz.start(); }
void tick(auto& quiz, int) { quiz.nextQuestion(); }
bool within(auto&, const auto& s) { return answers(s) <= s.questionCount(); }

void press(ReciprocalEntryDrill& d, int, const Boxes& t) { d.submit(t[0], t[1]); }
bool drawn(const ReciprocalEntryDrill& d) { return in({d.b1(), d.m1()}, 1, 20); }

// "Wrong" marked on a pair like 7/7 and 7/7 counts nothing and plays nothing.
void press(ReciprocalMarkDrill& d, int b, const Boxes&) { d.mark(b & 1); }
bool drawn(const ReciprocalMarkDrill& d)
{
    return in({d.b1(), d.m1(), d.b2()}, 1, 20) && in({d.m2()}, 1, 40);
}

// Options 0 to 2, and numbers that are no option.
void press(QuotientChoiceDrill& d, int b, const Boxes&) { d.choose(b % 5 - 1); }
bool drawn(const QuotientChoiceDrill& d)
{
    const auto [o1, o2, o3] = d.options();
    return in({d.dividend()}, 10, 990000) && in({o1, o2, o3}, 1, 990000) &&
           std::set{10, 100, 1000}.contains(d.divisor());
}

// The whole division: three steps a problem, each right once; a wrong try may be made again
// and again.
void start(DivisionDrill&) {}
void press(DivisionDrill& d, int b, const Boxes& t)
{
    if (b % 5 < 2)
        return b % 5 == 0 ? d.requestProblem() : d.toggleHelp();
    const int k = b % 5 - 2;
    k == 0 ? d.submitQuotient(t[0]) : k == 1 ? d.submitProduct(t[1]) : d.submitRemainder(t[2]);
}
void tick(DivisionDrill& d, int t) { t == 0 ? d.drawProblem() : d.hideFeedback(); }
bool drawn(const DivisionDrill& d)
{
    return !d.problemDrawn() || (in({d.dividend()}, 1, 89) && in({d.divisor()}, 2, 9));
}
bool within(DivisionDrill&, const auto& s) { return s.correctCount() <= 3 * s.questionCount(); }

// Plays a judging drill through the rest of the input as a screen with `boxes` boxes and
// `timers` timers, on which one check counts at most `perCheck` answers.
template <typename Drill, int boxes, int timers, int perCheck>
void drive(Harness& h)
{
    static const std::set<std::string> grades{"",      "ممتاز",     "جيد جدا",        "جيد",
                                              "مقبول", "تدرب أكثر", "راسب ، لماذا ؟ "};
    Drill drill(h, h);
    start(drill);
    Boxes typed;
    bool running[timers] = {};
    // What each operation is checked against: the score and the sounds before it.
    for (auto [was, sounds] = std::pair(drill.score(), h.sounds);;) {
        for (const auto [kind, target] : drill.takeRequests()) {
            // The last two kinds are for timers.
            CHECK(in({target}, 0, (kind >= ScreenRequest::Kind::StartTimer ? timers : boxes) - 1));
            if (kind >= ScreenRequest::Kind::StartTimer)
                running[target] = kind == ScreenRequest::Kind::StartTimer;
        }
        const DrillScore& is = drill.score();
        CHECK(is.correctCount() >= was.correctCount() && is.wrongCount() >= was.wrongCount() &&
              is.questionCount() >= was.questionCount());
        const std::int64_t counted = answers(is) - answers(was);
        CHECK(h.sounds - sounds == (counted > 0) && counted <= perCheck);
        CHECK(within(drill, is) && drawn(drill));
        CHECK(grades.contains(is.grade()) && (was.grade().empty() || !is.grade().empty()));
        if (h.at == h.end)
            return;
        was = is, sounds = h.sounds;
        const int op = h.byte(), which = op >> 2;
        // A one-shot timer has stopped by the time its tick runs.
        if (op % 4 == 0 && std::exchange(running[which % timers], false))
            tick(drill, which % timers);
        else if (op % 4 == 1 || op % 4 == 2)  // any text, or a number typed in digits
            typed[which % std::max(boxes, 1)] = op % 4 == 1 ? h.text() : std::to_string(h.byte());
        else if (op % 4 == 3)
            press(drill, which, typed);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Harness h(data, size);
    const int pick = h.byte() % 7;
    std::uint64_t seed = 0;
    for (int i = 0; i < 8; ++i)
        seed = seed << 8 | h.byte();
    h.engine.seed(seed);
    // The screens with their boxes, their timers and the most answers one check counts.
    static constexpr void (*drills[])(Harness&) = {
        drive<FractionDivisionDrill, 7, 5, 2>, drive<ReciprocalEntryDrill, 2, 1, 1>,
        drive<ReciprocalMarkDrill, 0, 1, 1>, drive<QuotientChoiceDrill, 0, 1, 1>,
        drive<DivisionDrill, 3, 2, 1>};
    if (pick < 5)
        return drills[pick](h), 0;
    // The fact cards keep no score: a card drawn as the screen loads, then any key.
    FactCards cards(pick == 5 ? FactKind::Division : FactKind::Multiplication, h);
    for (cards.drawFact();; cards.characterTyped(h.byte())) {
        CHECK(in({cards.a()}, 0, 10) && in({cards.b()}, 1, 10));
        if (h.at == h.end)
            return 0;
    }
}
