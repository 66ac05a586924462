// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "drills/fraction_division/fraction_division_drill.h"
#include "ui/drill_screen.h"

class AnswerBox;
class Caption;
class HelpPanel;
class MarkPicture;
class QPushButton;

// Form2: the fraction division screen. It shows FractionDivisionDrill: the
// problem, the four step buttons with their boxes and marks, the help panel
// and the score panel.
class Form2 final : public JudgingScreen<FractionDivisionDrill> {
    Q_OBJECT

public:
    using Box = FractionDivisionDrill::Box;
    using Timer = FractionDivisionDrill::Timer;

    explicit Form2(ScreenHost& host);

    void load() override;

private:
    void render() override;
    FractionDivisionDrill::BoxTexts boxTexts() const;
    AnswerBox* box(Box which) const { return m_boxes[std::size_t(which)]; }

    Caption* m_b1 = nullptr;
    Caption* m_m1 = nullptr;
    Caption* m_b2 = nullptr;
    Caption* m_m2 = nullptr;
    std::array<QPushButton*, 4> m_stepButtons{};
    std::array<AnswerBox*, FractionDivisionDrill::boxCount> m_boxes{};
    std::array<MarkPicture*, FractionDivisionDrill::boxCount> m_marks{};
    // Shown with the boxes of steps 1, 3 and 4: fraction bars and equals signs.
    std::array<std::vector<QWidget*>, 4> m_stepExtras;
    QPushButton* m_newQuestion = nullptr;
    QPushButton* m_helpButton = nullptr;
    HelpPanel* m_help = nullptr;
};
