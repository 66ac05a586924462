// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring/judging_drill.h"

void JudgingDrill::tell(const Judgement& judgement)
{
    if (judgement.right == 0 && judgement.wrong == 0)
        return;
    if (!judgement.message.empty()) {
        m_feedbackText = judgement.message;
        m_feedbackShown = true;
    }
    if (judgement.right > 0)
        m_score.recordCorrect(judgement.right);
    if (judgement.wrong > 0)
        m_score.recordWrong(judgement.wrong);
    m_feedback.play(judgement.verdict());
}
