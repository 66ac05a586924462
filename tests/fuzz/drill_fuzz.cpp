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
// range; the grade is a grade word or none; and the drill asks only for boxes and timers that
// its screen has.

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <functional>
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

namespace {

void check(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what);
        std::abort();
    }
}

bool in(int n, int low, int high) { return n >= low && n <= high; }

// The input read front to back; past its end every byte reads 0.
struct Script {
    const std::uint8_t* at;
    const std::uint8_t* end;

    std::uint8_t byte() { return at < end ? *at++ : 0; }
    // A length byte, then that many bytes of any text.
    std::string text()
    {
        const std::ptrdiff_t n = std::min<std::ptrdiff_t>(byte(), end - at);
        at += n;
        return std::string(at - n, at);
    }
};

// The drills' chances, replayed from the input's seed. A re-seed goes on with the sequence:
// the real source's, which every draw starts with, would cost more than the rest of an input.
struct Random final : RandomSource {
    explicit Random(std::uint64_t seed) : engine(seed) {}
    double nextUnit() override { return double(engine() >> 11) * 0x1p-53; }
    void reseed() override {}
    std::mt19937_64 engine;
};

struct Sounds final : Feedback {
    void play(Verdict) override { ++played; }
    int played = 0;
};

// What the boxes hold, in the order of the drill's Box enum; no screen has more than seven.
using Boxes = FractionDivisionDrill::BoxTexts;
using Kind = ScreenRequest::Kind;

// A drill's screen as the harness plays it.
struct Screen {
    int boxes, timers;
    int perCheck;  // the most answers one check counts: one, or each box of a step
    std::function<void(int button, const Boxes&)> press;  // the button `button` picks
    std::function<void(int timer)> tick;
    std::function<bool()> drawsInRange;  // every number shown is in its range
    std::function<bool(const DrillScore&)> withinBound;  // none where any count can happen
};

// Plays a judging drill, loaded already, through the rest of the script.
void play(JudgingDrill& drill, const Screen& screen, const Sounds& sounds, Script& script)
{
    // The six grade words, and none, which only comes before the first grading.
    static const std::set<std::string> gradeWords{
        "", "ممتاز", "جيد جدا", "جيد", "مقبول", "تدرب أكثر", "راسب ، لماذا ؟ "};
    Boxes typed;
    // Which timers run; no screen has more than the fraction division's five.
    std::array<bool, FractionDivisionDrill::timerCount> running{};
    DrillScore before = drill.score();
    int played = 0;
    for (;;) {
        for (const auto [kind, target] : drill.takeRequests()) {
            const bool toBox = kind == Kind::EmptyBox || kind == Kind::FocusBox;
            check(in(target, 0, (toBox ? screen.boxes : screen.timers) - 1),
                  "a request for a box or timer the screen does not have");
            if (kind == Kind::EmptyBox)
                typed[std::size_t(target)].clear();
            else if (!toBox)
                running[std::size_t(target)] = kind == Kind::StartTimer;
        }
        const DrillScore& score = drill.score();
        check(score.correctCount() >= before.correctCount() &&
                  score.wrongCount() >= before.wrongCount() &&
                  score.questionCount() >= before.questionCount(),
              "a counter dropped");
        const std::int64_t answers = score.correctCount() + score.wrongCount() -
                                     before.correctCount() - before.wrongCount();
        check(sounds.played - played == (answers > 0 ? 1 : 0) && answers <= screen.perCheck,
              "answers counted without one sound, or a sound without an answer");
        check(!screen.withinBound || screen.withinBound(score), "more answers than can be");
        check(screen.drawsInRange(), "a number shown outside its range");
        check(gradeWords.count(score.grade()) == 1 &&
                  (before.grade().empty() || !score.grade().empty()),
              "a grade that is no grade word, or none after one was given");
        before = score;
        played = sounds.played;

        if (script.at == script.end)
            return;
        const std::uint8_t op = script.byte();
        const int which = op >> 2;
        std::string& box = typed[std::size_t(which % std::max(screen.boxes, 1))];
        switch (op & 3) {
        case 0:
            // A one-shot timer has stopped by the time its tick runs.
            if (std::exchange(running[std::size_t(which % screen.timers)], false))
                screen.tick(which % screen.timers);
            break;
        case 1: box = script.text(); break;
        case 2: box = std::to_string(script.byte()); break;  // a number typed in digits
        default: screen.press(which, typed); break;
        }
    }
}

// On the reciprocal and quotient screens a question takes one answer, and the next question
// comes only after it.
bool oneAnswerPerQuestion(const DrillScore& s)
{
    return s.correctCount() + s.wrongCount() <= s.questionCount();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Script script{data, data + size};
    const int pick = script.byte() % 7;
    std::uint64_t seed = 0;
    for (int i = 0; i < 8; ++i)
        seed = seed << 8 | script.byte();
    Random random(seed);
    Sounds sounds;
    if (pick == 0) {
        FractionDivisionDrill d(random, sounds);
        d.load();
        const auto press = [&](int b, const Boxes& typed) {
            if (b % 3 == 0)
                d.pressStep(b / 3 % 7 - 1, typed);  // steps 1 to 4, and numbers that are none
            else
                b % 3 == 1 ? d.newQuestion() : d.toggleHelp();
        };
        const auto drawn = [&] {
            return !d.problemDrawn() ||
                   (in(d.b1(), 1, 10) && in(d.m1(), 1, 10) && in(d.b2(), 1, 10) &&
                    in(d.m2(), 1, 10) && d.b1() != d.m1() && d.b2() != d.m2());
        };
        // A box checked again counts again: no bound.
        play(d, {7, 5, 2, press, [&](int t) { t == 0 ? d.timer1Fired() : d.clearMarks(t); },
                 drawn, nullptr},
             sounds, script);
    } else if (pick == 1) {
        ReciprocalEntryDrill d(random, sounds);
        d.start();
        play(d, {2, 1, 1, [&](int, const Boxes& typed) { d.submit(typed[0], typed[1]); },
                 [&](int) { d.nextQuestion(); },
                 [&] { return in(d.b1(), 1, 20) && in(d.m1(), 1, 20); }, oneAnswerPerQuestion},
             sounds, script);
    } else if (pick == 2) {
        ReciprocalMarkDrill d(random, sounds);
        d.start();
        const auto drawn = [&] {
            return in(d.b1(), 1, 20) && in(d.m1(), 1, 20) && in(d.b2(), 1, 20) &&
                   in(d.m2(), 1, 40);
        };
        // "Wrong" marked on a pair like 7/7 and 7/7 counts nothing and plays nothing.
        play(d, {0, 1, 1, [&](int b, const Boxes&) { d.mark(b & 1); },
                 [&](int) { d.nextQuestion(); }, drawn, oneAnswerPerQuestion},
             sounds, script);
    } else if (pick == 3) {
        QuotientChoiceDrill d(random, sounds);
        d.start();
        const auto drawn = [&] {
            return in(d.dividend(), 10, 990000) && std::set{10, 100, 1000}.count(d.divisor()) &&
                   std::ranges::all_of(d.options(), [](int n) { return in(n, 1, 990000); });
        };
        // Options 0 to 2, and numbers that are no option.
        play(d, {0, 1, 1, [&](int b, const Boxes&) { d.choose(b % 5 - 1); },
                 [&](int) { d.nextQuestion(); }, drawn, oneAnswerPerQuestion},
             sounds, script);
    } else if (pick == 4) {
        DivisionDrill d(random, sounds);
        const auto press = [&](int b, const Boxes& typed) {
            switch (b % 5) {
            case 0: d.requestProblem(); break;
            case 1: d.toggleHelp(); break;
            case 2: d.submitQuotient(typed[0]); break;
            case 3: d.submitProduct(typed[1]); break;
            default: d.submitRemainder(typed[2]); break;
            }
        };
        const auto drawn = [&] {
            return !d.problemDrawn() || (in(d.dividend(), 1, 89) && in(d.divisor(), 2, 9));
        };
        // Three steps a problem, each right once; a wrong try may be made again and again.
        const auto bound = [](const DrillScore& s) {
            return s.correctCount() <= 3 * s.questionCount();
        };
        play(d, {3, 2, 1, press, [&](int t) { t == 0 ? d.drawProblem() : d.hideFeedback(); },
                 drawn, bound},
             sounds, script);
    } else {
        // The fact cards keep no score: a card drawn as the screen loads, then any key.
        FactCards cards(pick == 5 ? FactKind::Division : FactKind::Multiplication, random);
        cards.drawFact();
        for (;;) {
            check(in(cards.a(), 0, 10) && in(cards.b(), 1, 10), "a fact outside its ranges");
            if (script.at == script.end)
                break;
            cards.characterTyped(script.byte());
        }
    }
    return 0;
}
