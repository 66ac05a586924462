// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTimer>

#include "../../ui/ui_test_support.h"
#include "drills/reciprocal_menu/form4.h"

namespace {

constexpr ScreenId S4 = ScreenId::Form4;

using QuotientChoiceForm4Test = ScreenTest;

TEST_F(QuotientChoiceForm4Test, AWrongClickThePauseWhileHiddenThenARightOne)
{
    // Captions and buttons carry the text they show as their accessible name.
    auto texts = [this](std::initializer_list<const char*> names, QStringList all = {}) {
        for (const char* name : names)
            all << control(S4, name)->accessibleName();
        return all;
    };
    fakes.draws = {4.5 / 6, 0.055, 0.5 / 6, 0.75, 0.5, 0.5};  // 5000÷10=, 70÷10=, 50000÷100=
    navigator.showScreen(ScreenId::Form5);
    navigator.goTo(ScreenId::Form5, S4);  // as the menu's hidden option would
    auto* form = static_cast<Form4*>(navigator.screen(S4));
    EXPECT_EQ(texts({"Label2", "Command1", "Command2", "Command3", "Label6", "Label4", "Label9"}),
              QStringList({"5000÷10=", "50000", "500", "5000", "عدد الأسئلة :  1",
                           " عدد الاجابات الصحيحة : 0", "التقدير"}));
    EXPECT_FALSE(control(S4, "Label3")->isVisible());
    QStringList atSound;  // the message and count are shown before the sound, the grade and pause after
    fakes.onSound = [&](Verdict) {
        atSound = texts({"Label3", "Label5", "Label9"})
                  << QString::number(control(S4, "Label3")->isVisible() && !timer(S4, "Timer1")->isActive());
    };
    click(S4, "Command1");
    EXPECT_EQ(atSound, QStringList({"أخطأت الاجابة الصحيحة هي  500", "عدد الاجابات الخاطئة :  1", "التقدير", "1"}));
    EXPECT_EQ(texts({"Label9"}), QStringList({"راسب ، لماذا ؟ "}));
    click(S4, "Command2");  // disabled during the pause
    EXPECT_EQ(fakes.sounds, std::vector<Verdict>{Verdict::Wrong});
    click(S4, "Label7");
    EXPECT_TRUE(shown(ScreenId::Form5));
    ASSERT_TRUE(timer(S4, "Timer1")->isActive() && timer(S4, "Timer1")->interval() == 2500);
    tick(S4, "Timer1");  // the pause ends while the screen is hidden
    navigator.goTo(ScreenId::Form5, S4);
    EXPECT_FALSE(control(S4, "Label3")->isVisible());
    EXPECT_EQ(texts({"Label2", "Command1", "Command2", "Command3", "Label6"}),
              QStringList({"70÷10=", "70", "7", "700", "عدد الأسئلة :  2"}));
    control(S4, "Command2")->setFocus();
    key(S4, Qt::Key_Space);  // from the keyboard this time
    EXPECT_EQ(texts({"Label3", "Label4", "Label9"}),
              QStringList({"أحسنت إجابة صحيحة ", "عدد الاجابات الصحيحة :  1", "تدرب أكثر"}));
    tick(S4, "Timer1");  // the chosen button has the focus again, and Escape still ends the program
    EXPECT_EQ(form->focusWidget(), control(S4, "Command2"));
    key(S4, Qt::Key_Escape);
    EXPECT_TRUE(navigator.programEnded());
}

}  // namespace
