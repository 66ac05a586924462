#include <QFontMetrics>
#include <QWidget>
#include <gtest/gtest.h>

#include "scoring/drill_score.h"
#include "scoring/score_panel.h"
#include "ui/caption.h"
#include "ui/geometry.h"
#include "ui/picture.h"

namespace {

class ScorePanelTest : public ::testing::Test {
protected:
    ScorePanelTest() { window.setFixedSize(800, 600); }

    Caption* label(const char* name) { return window.findChild<Caption*>(name); }

    QWidget window;
    ScorePanel panel{&window};
};

TEST_F(ScorePanelTest, StartTextsGiveWayToUpdateTexts)
{
    EXPECT_EQ(label("Label4")->caption(), " عدد الاجابات الصحيحة : 0");
    EXPECT_EQ(label("Label5")->caption(), "عدد الاجابات الخاطئة :  0");
    EXPECT_EQ(label("Label6")->caption(), "عدد الاسئلة");
    EXPECT_EQ(label("Label9")->caption(), "التقدير");
    EXPECT_EQ(label("Label4")->designedGeometry(), twips(8760, 360, 2970, 375));
    EXPECT_EQ(label("Label6")->designedGeometry(), twips(3360, 360, 1200, 375));

    DrillScore score(GradingRule::PerQuestion);
    score.countQuestions(2);
    score.recordWrong(1);
    panel.show(score);
    // Only what has changed takes its update text.
    EXPECT_EQ(label("Label4")->caption(), " عدد الاجابات الصحيحة : 0");
    EXPECT_EQ(label("Label5")->caption(), "عدد الاجابات الخاطئة :  1");
    EXPECT_EQ(label("Label6")->caption(), "عدد الأسئلة :  2");
    score.recordCorrect(1);
    score.regrade();
    panel.show(score);
    EXPECT_EQ(label("Label4")->caption(), "عدد الاجابات الصحيحة :  1");
    EXPECT_EQ(label("Label9")->caption(), "تدرب أكثر");
}

TEST_F(ScorePanelTest, NoTextIsCutOrRunsIntoItsNeighbourAtLargeCounts)
{
    DrillScore score(GradingRule::PerQuestion);
    for (const int count : {9, 99, 999, 9999, 99999}) {
        SCOPED_TRACE(count);
        score.recordCorrect(count - int(score.correctCount()));
        score.recordWrong(count - int(score.wrongCount()));
        score.countQuestions(count - int(score.questionCount()));
        score.regrade();
        panel.show(score);
        std::vector<QRect> boxes;
        for (const char* name : {"Label9", "Label6", "Label5", "Label4"}) {
            Caption* caption = label(name);
            const QFontMetrics metrics(caption->font());
            EXPECT_GE(caption->width(), metrics.horizontalAdvance(caption->text())) << name;
            EXPECT_GE(caption->height(), metrics.height()) << name;
            EXPECT_TRUE(panel.banner()->geometry().contains(caption->geometry())) << name;
            boxes.push_back(caption->geometry());
        }
        for (std::size_t i = 1; i < boxes.size(); ++i)
            EXPECT_LT(boxes[i - 1].right(), boxes[i].left());
    }
    // Small counts keep the designed type.
    EXPECT_EQ(label("Label9")->font().pixelSize(), 21);
}

TEST(ScorePanelPlace, QuestionsLabelCanStandElsewhere)
{
    QWidget window;
    window.setFixedSize(800, 600);
    ScorePanel panel(&window, 3240);
    EXPECT_EQ(window.findChild<Caption*>("Label6")->designedGeometry(),
              twips(3240, 360, 1200, 375));
}

}  // namespace
