// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFontMetrics>
#include <QWidget>
#include <gtest/gtest.h>

#include "scoring/drill_score.h"
#include "ui/score_panel.h"
#include "ui/caption.h"
#include "ui/geometry.h"
#include "ui/picture.h"

namespace {

TEST(ScorePanel, NoTextIsCutOrRunsIntoItsNeighbourAtAnyCount)
{
    QWidget window;
    window.setFixedSize(800, 600);
    ScorePanel panel(&window, 3240);  // Label6 stands elsewhere on some screens
    auto label = [&window](const char* name) { return window.findChild<Caption*>(name); };
    EXPECT_EQ(label("Label6")->designedGeometry(), twips(3240, 360, 1200, 375));
    DrillScore score(GradingRule::PerQuestion);
    for (const int count : {9, 99, 999, 9999, 99999}) {
        SCOPED_TRACE(count);
        score.recordCorrect(count - int(score.correctCount()));
        score.recordWrong(count - int(score.wrongCount()));
        score.countQuestions(count - int(score.questionCount()));
        score.regrade();
        panel.show(score);
        EXPECT_EQ(label("Label9")->caption(), "ممتاز");
        int previousRight = -1;
        for (const char* name : {"Label9", "Label6", "Label5", "Label4"}) {
            Caption* caption = label(name);
            const QFontMetrics metrics(caption->font());
            EXPECT_GE(caption->width(), metrics.horizontalAdvance(caption->text())) << name;
            EXPECT_GE(caption->height(), metrics.height()) << name;
            EXPECT_TRUE(panel.banner()->geometry().contains(caption->geometry())) << name;
            EXPECT_LT(previousRight, caption->geometry().left()) << name;
            previousRight = caption->geometry().right();
        }
        // Small counts keep the designed type.
        if (count < 100) {
            EXPECT_EQ(label("Label5")->font().pixelSize(), 21);
        }
    }
}

}  // namespace
