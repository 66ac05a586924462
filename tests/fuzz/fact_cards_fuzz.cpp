// SPDX-License-Identifier: GPL-3.0-or-later
// The fact cards driven in any order by the fuzz input: draws, turns and any
// typed character, on a division and a multiplication card.

#include "drills/fact_cards/fact_cards.h"
#include "fuzz_support.h"

namespace {

using fuzz::check;

}  // namespace

void fuzz::run(Script& script)
{
    fuzz::Random random(script.word());
    FactCards cards(script.byte() & 1 ? FactKind::Division : FactKind::Multiplication, random);

    for (int operations = 0; !script.done() && operations < 200; ++operations) {
        const std::uint8_t op = script.byte();
        switch (op % 3) {
        case 0: cards.drawFact(); break;
        case 1: cards.revealAnswer(); break;
        default: {
            const char32_t code = char32_t(script.word() >> 32);
            cards.characterTyped(code);
            check(cards.showingAnswer() == (code != 13), "a typed key left the card the wrong side up");
            break;
        }
        }
        check(cards.a() >= 0 && cards.a() <= 10 && cards.b() >= 1 && cards.b() <= 10,
              "a fact outside its ranges");
        check(cards.cardText() == (cards.showingAnswer() ? cards.answerText() : cards.questionText()),
              "the card shows neither side");
    }
}
