// SPDX-License-Identifier: GPL-3.0-or-later
#include "../../ui/ui_test_support.h"

namespace {

constexpr ScreenId S4 = ScreenId::Form4;

using Form4Test = ScreenTest;

TEST_F(Form4Test, AWrongClickThenARightOneFromTheKeyboard)
{
    fakes.draws = {4.5 / 6, 0.055, 0.5 / 6, 0.75, 0.5, 0.5};  // 5000÷10=, 70÷10=, 50000÷100=
    navigator.showScreen(ScreenId::Form5);
    navigator.goTo(ScreenId::Form5, S4);  // as the menu's hidden option would
    EXPECT_EQ(texts(S4, {"Label2", "Command1", "Command2", "Command3", "Label6", "Label4", "Label9",
                         "Label3"}),
              QStringList({"5000÷10=", "50000", "500", "5000", "عدد الأسئلة :  1",
                           " عدد الاجابات الصحيحة : 0", "التقدير", ""}));
    // The message and the count show before the sound, the grade and the pause after it.
    QStringList atSound;
    fakes.onSound = [&](Verdict) {
        atSound = texts(S4, {"Label3", "Label5", "Label9"})
                  << QString::number(timer(S4, "Timer1")->isActive());
    };
    click(S4, "Command1");
    EXPECT_EQ(atSound, QStringList({"أخطأت الاجابة الصحيحة هي  500", "عدد الاجابات الخاطئة :  1",
                                    "التقدير", "0"}));
    EXPECT_EQ(text(S4, "Label9"), "راسب ، لماذا ؟ ");
    click(S4, "Command2");  // disabled during the pause
    EXPECT_EQ(fakes.sounds, std::vector<Verdict>{Verdict::Wrong});
    EXPECT_EQ(timer(S4, "Timer1")->interval(), 2500);
    tick(S4, "Timer1");
    EXPECT_EQ(texts(S4, {"Label3", "Label2", "Command1", "Command2", "Command3", "Label6"}),
              QStringList({"", "70÷10=", "70", "7", "700", "عدد الأسئلة :  2"}));

    control(S4, "Command2")->setFocus();
    key(S4, Qt::Key_Space);
    EXPECT_EQ(texts(S4, {"Label3", "Label4", "Label9"}),
              QStringList({"أحسنت إجابة صحيحة ", "عدد الاجابات الصحيحة :  1", "تدرب أكثر"}));
    tick(S4, "Timer1");  // the chosen button has the focus again, and Escape still ends
    EXPECT_EQ(navigator.screen(S4)->focusWidget(), control(S4, "Command2"));
    key(S4, Qt::Key_Escape);
    EXPECT_TRUE(navigator.programEnded());
}

}  // namespace
