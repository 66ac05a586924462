// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "drills/whole_division/division_drill.h"
#include "ui/drill_screen.h"

class AnswerBox;
class Caption;
class HelpPanel;
class QPushButton;

// Form8: whole-number long division. It shows DivisionDrill as the written
// figure (dividend under its bar, divisor beside the stroke) with the three
// red answer boxes and their check buttons, the hint panel, the verdict
// message and the score panel.
class Form8 final : public JudgingScreen<DivisionDrill> {
    Q_OBJECT

public:
    using Box = DivisionDrill::Box;
    using Timer = DivisionDrill::Timer;

    explicit Form8(ScreenHost& host);

    // The notice shown when a checked box holds nothing.
    static QString emptyAnswerText();
    static QString emptyAnswerTitle();

private:
    void render() override;
    void submit(Box which);
    AnswerBox* box(Box which) const { return m_boxes[std::size_t(which)]; }

    Caption* m_dividend = nullptr;
    Caption* m_divisor = nullptr;
    Caption* m_minus = nullptr;
    QWidget* m_subtractionBar = nullptr;
    std::array<AnswerBox*, 3> m_boxes{};
    std::array<QPushButton*, 3> m_checkButtons{};
    QPushButton* m_newProblem = nullptr;
    QPushButton* m_helpButton = nullptr;
    HelpPanel* m_help = nullptr;
};
