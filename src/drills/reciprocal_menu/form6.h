// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "drills/reciprocal_menu/reciprocal_entry_drill.h"
#include "ui/drill_screen.h"

class AnswerBox;
class Caption;
class FractionSentence;

// Form6: the write-the-reciprocal screen. It shows ReciprocalEntryDrill: the
// fraction, two answer boxes for its reciprocal, the verdict and the score
// panel. The screen looks at keys before the boxes while Enter is open, so
// Enter judges the boxes and Escape ends the program; during the pause after
// a verdict both go straight to the box.
class Form6 final : public JudgingScreen<ReciprocalEntryDrill> {
    Q_OBJECT

public:
    using Box = ReciprocalEntryDrill::Box;

    explicit Form6(ScreenHost& host);

protected:
    bool screenKey(QKeyEvent* event) override;

private:
    void render() override;

    Caption* m_b1 = nullptr;
    Caption* m_m1 = nullptr;
    FractionSentence* m_sentence = nullptr;  // Label2
    AnswerBox* m_numerator = nullptr;
    AnswerBox* m_denominator = nullptr;
};
