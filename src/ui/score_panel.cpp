// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/score_panel.h"

#include "scoring/drill_score.h"
#include "ui/caption.h"
#include "ui/geometry.h"
#include "ui/picture.h"

ScorePanel::ScorePanel(QWidget* screen, int questionsLeftTwips)
{
    m_banner = new Picture(screen, QStringLiteral("Image2"), twips(0, 0, 12000, 1380),
                           pictures::banner, QStringLiteral("لوحة النتيجة"));
    const CaptionLook counter{15.75, true, Qt::black, CaptionLook::Align::Right};
    const CaptionLook grade{15.75, true, Qt::black, CaptionLook::Align::Centre};
    const DrillScore fresh(GradingRule::PerQuestion);
    m_correct = new Caption(screen, QStringLiteral("Label4"), twips(8760, 360, 2970, 375), counter,
                            fromUtf8(fresh.correctText()));
    m_wrong = new Caption(screen, QStringLiteral("Label5"), twips(5280, 360, 2805, 375), counter,
                          fromUtf8(fresh.wrongText()));
    m_questions =
        new Caption(screen, QStringLiteral("Label6"), twips(questionsLeftTwips, 360, 1200, 375),
                    counter, fromUtf8(fresh.questionText()));
    m_grade = new Caption(screen, QStringLiteral("Label9"), twips(840, 360, 675, 375), grade,
                          fromUtf8(fresh.gradeText()));

    // Each label keeps to its panel of the banner: a long count makes its
    // type smaller rather than run off the panel into its neighbour. The
    // spans are the banner picture's panels (twips, left and right).
    const struct {
        Caption* label;
        int left, right;
    } panels[] = {{m_grade, 150, 2190},
                  {m_questions, 2250, 4680},
                  {m_wrong, 4740, 8205},
                  {m_correct, 8265, 11880}};
    for (const auto& panel : panels)
        panel.label->setRoom(twips(panel.left, 150, panel.right - panel.left, 795));
}

void ScorePanel::show(const DrillScore& score)
{
    m_correct->setCaption(fromUtf8(score.correctText()));
    m_wrong->setCaption(fromUtf8(score.wrongText()));
    m_questions->setCaption(fromUtf8(score.questionText()));
    m_grade->setCaption(fromUtf8(score.gradeText()));
}
