// SPDX-License-Identifier: GPL-3.0-or-later
#include "../../ui/ui_test_support.h"

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

TEST_F(Form3Test, AClickShowsItsVerdictAndThePauseBringsTheNextFraction)
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
    EXPECT_EQ(timer(S3, "Timer1")->interval(), 2500);
    tick(S3, "Timer1");
    EXPECT_EQ(numbers(), QStringList({"3", "8", "8", "3", "عدد الأسئلة :  2"}));
}

}  // namespace
