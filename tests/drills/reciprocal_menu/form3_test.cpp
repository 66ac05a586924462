// SPDX-License-Identifier: GPL-3.0-or-later
#include "../../ui/ui_test_support.h"
#include "drills/reciprocal_menu/form3.h"
#include "ui/shapes.h"

namespace {

constexpr ScreenId S3 = ScreenId::Form3;

class Form3Test : public ScreenTest {
protected:
    // Opens the screen from the reciprocal menu on 3/8 proposed as 8/11, then as 8/3.
    void SetUp() override
    {
        fakes.draws = {drawOf(3, 21), drawOf(8, 21), 1.5 / 3,
                       drawOf(3, 21), drawOf(8, 21), 0.5 / 3};
        navigator.showScreen(ScreenId::Form5);
        click(ScreenId::Form5, "Label4");
    }
    QStringList numbers() { return texts(S3, {"b1", "m1", "b2", "m2", "Label6"}); }
};

TEST_F(Form3Test, AClickShowsItsVerdictAndThePauseEndsEvenWhileHidden)
{
    EXPECT_EQ(numbers(), QStringList({"3", "8", "8", "11", "عدد الأسئلة :  1"}));
    EXPECT_EQ(control<Caption>(S3, "Label10")->caption(), "f");
    EXPECT_EQ(texts(S3, {"Label10", "Label3"}), QStringList({"", ""}));  // both hidden
    click(S3, "Label7");
    EXPECT_EQ(texts(S3, {"Label3", "Label5"}),
              QStringList({"أخطأت الاجابة الصحيحة هي  خطأ", "عدد الاجابات الخاطئة :  1"}));
    EXPECT_EQ(text(S3, "Label9"), "راسب ، لماذا ؟ ");
    click(S3, "Label8");  // during the pause
    EXPECT_EQ(fakes.sounds, std::vector<Verdict>{Verdict::Wrong});
    click(S3, "Label11");
    EXPECT_EQ(timer(S3, "Timer1")->interval(), 2500);
    tick(S3, "Timer1");  // the pause ends while the screen is hidden
    click(ScreenId::Form5, "Label4");
    EXPECT_EQ(numbers(), QStringList({"3", "8", "8", "3", "عدد الأسئلة :  2"}));
}

TEST_F(Form3Test, AMarkLightsItsBoxUntilThePointerCrossesTheBackgroundAndEscapeEnds)
{
    QWidget* form = navigator.screen(S3);
    const QColor lit = Form3::litColour(), plain = Form3::plainColour(), white(Qt::white);
    // Real pointer moves, and the fills of Shape2 ("صح") and Shape1 ("خطأ") afterwards.
    const struct {
        const char* over;
        QPoint at;
        QColor right, wrong;
    } moves[] = {
        {"Label7", {3, 3}, lit, white},     {"Image1", {600, 500}, plain, plain},
        {"Label8", {3, 3}, plain, lit},     {"Label2", {3, 3}, plain, lit},
        {"Shape1", {3, 170}, plain, plain},  // its rim counts as background
        {"Label7", {3, 3}, lit, plain},     {"Form3", {3, 598}, plain, plain},  // bare screen
    };
    for (const auto& move : moves) {
        QTest::mouseMove(QByteArray(move.over) == "Form3" ? form : control(S3, move.over), move.at);
        EXPECT_TRUE(control<FilledShape>(S3, "Shape2")->fill() == move.right &&
                    control<FilledShape>(S3, "Shape1")->fill() == move.wrong)
            << move.over;
    }
    key(S3, Qt::Key_Escape);
    EXPECT_TRUE(navigator.programEnded());
}

}  // namespace
