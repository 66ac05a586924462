// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drills/fact_cards/fact_cards.h"
#include "ui/drill_screen.h"

class Caption;

// The fact-card screen, Form9 for division facts and Form10 for
// multiplication facts: one card in very large type, driven from the
// keyboard. Every key that types a character turns the card over to its
// answer, and Enter then puts a new question on it. Keys that type nothing
// (arrows, function keys, Shift) are left alone, and Escape does not end the
// program here. "الواجهة" goes back to the exercise menu. It keeps no score.
class FactCardScreen final : public DrillScreen {
    Q_OBJECT

public:
    FactCardScreen(ScreenHost& host, FactKind kind);
    ~FactCardScreen() override;

    // Load work: draws the first fact and lets the screen see every key.
    void load() override;

    const FactCards& cards() const { return m_cards; }

protected:
    bool screenKey(QKeyEvent* event) override;

private:
    void render() override;

    FactCards m_cards;
    Caption* m_card = nullptr;
};
