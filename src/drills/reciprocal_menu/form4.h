// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <memory>

#include "drills/reciprocal_menu/quotient_choice_drill.h"
#include "ui/drill_screen.h"

class Caption;
class QPushButton;
class QTimer;

// Form4: the choose-the-quotient screen. It shows QuotientChoiceDrill: the
// division, the three option buttons, the message and the score panel. Each
// event goes to one operation of the drill, after which the screen draws the
// drill's state again.
class Form4 final : public DrillScreen {
    Q_OBJECT

public:
    explicit Form4(ScreenHost& host);
    ~Form4() override;

    void load() override;

    const QuotientChoiceDrill& drill() const { return m_drill; }
    QTimer* pauseTimer() const { return m_timer; }
    // What a tick of Timer1 does.
    void timerTick();

private:
    void build();
    void choose(int option);
    void render() override;

    QuotientChoiceDrill m_drill;

    Caption* m_question = nullptr;
    Caption* m_message = nullptr;
    std::array<QPushButton*, QuotientChoiceDrill::optionCount> m_options{};
    // The option that had the focus when it was chosen; it gets the focus
    // back when the buttons come on again.
    QPushButton* m_focusedOption = nullptr;
    QTimer* m_timer = nullptr;
};
