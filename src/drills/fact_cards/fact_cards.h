// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

class RandomSource;

enum class FactKind { Division, Multiplication };

// The fact cards: one arithmetic fact at a time, a × b = c with a from 0 to
// 10 and b from 1 to 10, shown as a question or turned over to its answer.
// A division card asks c ÷ b and answers a; a multiplication card asks a × b
// and answers c. Nothing is typed, checked or counted.
class FactCards {
public:
    FactCards(FactKind kind, RandomSource& random);

    // Draws a new fact and shows its question: re-seeds, draws a and then b
    // from 0 to 10, and draws both again from a fresh seed while b is 0.
    void drawFact();
    // Turns the card over to the answer of the fact it holds.
    void revealAnswer();
    // A key that types a character: the card is turned over, then Enter
    // (code 13) puts a new question on it in the same key press.
    void characterTyped(char32_t code);

    FactKind kind() const { return m_kind; }
    int a() const { return m_a; }
    int b() const { return m_b; }
    int c() const { return m_a * m_b; }
    bool showingAnswer() const { return m_showingAnswer; }
    std::string questionText() const;
    std::string answerText() const;
    std::string cardText() const;  // what the card shows now, question or answer, as UTF-8

private:
    FactKind m_kind;
    RandomSource& m_random;
    // Until the first draw the card holds 0 × 1, so it never divides by 0.
    int m_a = 0;
    int m_b = 1;
    bool m_showingAnswer = false;
};
