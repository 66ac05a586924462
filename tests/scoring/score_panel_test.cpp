// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFontMetrics>
#include <gtest/gtest.h>

#include "scoring/drill_score.h"
#include "ui/caption.h"
#include "ui/geometry.h"
#include "ui/picture.h"
#include "ui/score_panel.h"

namespace {

TEST(ScorePanel, NoTextIsCutOrRunsIntoItsNeighbourAtAnyCount)
{
    QWidget window;
    window.setFixedSize(800, 600);
    ScorePanel panel(&window, 3240);  // Label6 stands elsewhere on some screens
    EXPECT_EQ(window.findChild<Caption*>("Label6")->designedGeometry(),
              twips(3240, 360, 1200, 375));
    DrillScore score(GradingRule::PerQuestion);
    for (const int count : {9, 99, 999, 9999, 99999}) {
        score.recordCorrect(count - int(score.correctCount()));
        score.recordWrong(count - int(score.wrongCount()));
        score.countQuestions(count - int(score.questionCount()));
        score.regrade();
        panel.show(score);
        int previousRight = -1;
        for (const char* name : {"Label9", "Label6", "Label5", "Label4"}) {
            auto* caption = window.findChild<Caption*>(name);
            const QFontMetrics metrics(caption->font());
            EXPECT_TRUE(caption->width() >= metrics.horizontalAdvance(caption->text()) &&
                        caption->height() >= metrics.height() &&
                        panel.banner()->geometry().contains(caption->geometry()) &&
                        previousRight < caption->geometry().left())
                << name << " at " << count;
            previousRight = caption->geometry().right();
            // Small counts keep the designed type.
            EXPECT_TRUE(count > 99 || caption->font().pixelSize() == 21) << name;
        }
    }
}

}  // namespace
