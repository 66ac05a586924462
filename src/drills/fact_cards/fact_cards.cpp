// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/fact_cards/fact_cards.h"

#include "common/random_source.h"

namespace {
// Both numbers are drawn from 0 to 10; a second number of 0 is drawn again.
constexpr int drawRange = 11;
constexpr char32_t enter = 13;
}  // namespace

FactCards::FactCards(FactKind kind, RandomSource& random) : m_kind(kind), m_random(random) {}

void FactCards::drawFact()
{
    do {
        m_random.reseed();
        m_a = m_random.below(drawRange);
        m_b = m_random.below(drawRange);
    } while (m_b == 0);
    m_showingAnswer = false;
}

void FactCards::revealAnswer() { m_showingAnswer = true; }

void FactCards::characterTyped(char32_t code)
{
    revealAnswer();
    if (code == enter)
        drawFact();
}

std::string FactCards::questionText() const
{
    // One blank each side of the sign and none before "=": "12 ÷ 3=".
    if (m_kind == FactKind::Division)
        return std::to_string(c()) + " ÷ " + std::to_string(m_b) + "=";
    return std::to_string(m_a) + " × " + std::to_string(m_b) + "=";
}

std::string FactCards::answerText() const
{
    return std::to_string(m_kind == FactKind::Division ? m_a : c());
}

std::string FactCards::cardText() const { return m_showingAnswer ? answerText() : questionText(); }
