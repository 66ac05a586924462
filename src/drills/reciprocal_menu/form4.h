// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "drills/reciprocal_menu/quotient_choice_drill.h"
#include "ui/drill_screen.h"

class Caption;
class QPushButton;

// Form4: the choose-the-quotient screen. It shows QuotientChoiceDrill: the
// division, the three option buttons, the message and the score panel.
class Form4 final : public JudgingScreen<QuotientChoiceDrill> {
    Q_OBJECT

public:
    explicit Form4(ScreenHost& host);

private:
    void render() override;

    Caption* m_question = nullptr;
    std::array<QPushButton*, QuotientChoiceDrill::optionCount> m_options{};
    // The option that had the focus when it was chosen: switching the
    // buttons off takes the focus away, and a pupil working from the
    // keyboard finds it there again when they come back on.
    QPushButton* m_focusedOption = nullptr;
};
