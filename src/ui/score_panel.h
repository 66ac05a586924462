// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Caption;
class DrillScore;
class Picture;
class QWidget;

// The score panel along the top of a judging screen: the banner picture
// `Image2` with its four panels and, over them, the labels of the right
// answers (`Label4`), the wrong answers (`Label5`), the questions (`Label6`)
// and the grade word (`Label9`).
class ScorePanel {
public:
    // Label6 stands at 3360 twips from the left on most screens.
    explicit ScorePanel(QWidget* screen, int questionsLeftTwips = 3360);

    // Writes the score's current texts into the four labels.
    void show(const DrillScore& score);

    Picture* banner() const { return m_banner; }

private:
    Picture* m_banner;
    Caption* m_correct;
    Caption* m_wrong;
    Caption* m_questions;
    Caption* m_grade;
};
