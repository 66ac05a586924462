// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

#include "drills/reciprocal_menu/reciprocal_mark_drill.h"
#include "ui/drill_screen.h"

class Caption;
class FilledShape;
class FractionSentence;

// Form3: the right-or-wrong reciprocal screen. It shows ReciprocalMarkDrill:
// the given fraction and the proposed one inside the sentence "مقلوب الكسر
// ــ هو ــ :", the marks "صح" and "خطأ" on their boxes, the verdict and the
// score panel. A mark's box lights while the pointer is over it and goes back
// to its plain colour when the pointer crosses the background.
class Form3 final : public JudgingScreen<ReciprocalMarkDrill> {
    Q_OBJECT

public:
    explicit Form3(ScreenHost& host);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void render() override;

    FractionSentence* m_sentence = nullptr;  // Label2
    Caption* m_b1 = nullptr;
    Caption* m_m1 = nullptr;
    Caption* m_b2 = nullptr;
    Caption* m_m2 = nullptr;
    FilledShape* m_rightBox = nullptr;  // Shape2, behind "صح"
    FilledShape* m_wrongBox = nullptr;  // Shape1, behind "خطأ"
    Caption* m_rightMark = nullptr;     // Label7
    Caption* m_wrongMark = nullptr;     // Label8
    Caption* m_answerKey = nullptr;     // Label10
};
