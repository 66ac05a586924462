// SPDX-License-Identifier: GPL-3.0-or-later
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include "../../ui/ui_test_support.h"
#include "drills/reciprocal_menu/form6.h"
#include "ui/caption.h"

namespace {

constexpr ScreenId S6 = ScreenId::Form6;

// The screen opened from the reciprocal menu, over the fractions 3/8, 20/4 and 6/6.
class Form6Test : public ScreenTest {
protected:
    void SetUp() override
    {
        fakes.draws.clear();
        for (int value : {3, 8, 20, 4, 6, 6})
            fakes.draws.push_back((value + 0.5) / 21);
        open();
        form = static_cast<Form6*>(navigator.screen(S6));
    }
    void open()
    {
        navigator.showScreen(ScreenId::Form7);
        click(ScreenId::Form7, "Command2");
        click(ScreenId::Form5, "Label2");
    }
    // What a label shows (nothing when hidden), or a box holds.
    QString text(const char* name)
    {
        if (auto* caption = control<Caption>(S6, name))
            return caption->isVisible() ? caption->caption() : QString();
        return control<QLineEdit>(S6, name)->text();
    }
    QStringList texts(std::initializer_list<const char*> names)
    {
        QStringList all;
        for (const char* name : names)
            all << text(name);
        return all;
    }
    QString focused() { return form->focusWidget()->objectName(); }
    // Typed keys, to the control with the focus; an Arabic keyboard's digits carry no key code.
    void type(const char* keys)
    {
        for (const QChar typed : QString::fromUtf8(keys)) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(typed));
            typed.unicode() < 128 ? QTest::keyClick(form->focusWidget(), char(typed.unicode()))
                                  : void(QApplication::sendEvent(form->focusWidget(), &press));
        }
    }
    void press(Qt::Key which) { key(S6, which); }
    void endPause()
    {
        tick(S6, "Timer1");
    }

    Form6* form = nullptr;
};

TEST_F(Form6Test, APupilAnswersByKeyboardAloneAndThePauseTakesNoKeyOfItsOwn)
{
    EXPECT_EQ(texts({"b1", "m1", "Label6", "Label3"}), QStringList({"3", "8", "عدد الأسئلة :  1", ""}));
    EXPECT_EQ(focused(), "txtb1");
    type("a- .8٣12");  // only digits, two at most
    EXPECT_EQ(text("txtb1"), "81");
    press(Qt::Key_Backspace);
    press(Qt::Key_Tab);
    type("3");
    press(Qt::Key_Return);
    EXPECT_EQ(texts({"Label3", "Label4", "Label9"}),
              QStringList({"أحسنت إجابة صحيحة ", "عدد الاجابات الصحيحة :  1", "ممتاز"}));
    EXPECT_EQ(timer(S6, "Timer1")->interval(), 2500);

    // During the pause Enter and Escape reach only the box, which drops them; digits wait.
    type("0");
    press(Qt::Key_Enter);
    press(Qt::Key_Escape);
    EXPECT_EQ(text("txtm1"), "30");
    EXPECT_EQ(fakes.sounds, std::vector{Verdict::Right});
    EXPECT_FALSE(navigator.programEnded());

    endPause();
    EXPECT_EQ(texts({"b1", "m1", "txtb1", "txtm1", "Label3", "Label6"}),
              QStringList({"20", "4", "", "", "", "عدد الأسئلة :  2"}));
    EXPECT_EQ(focused(), "txtb1");
    press(Qt::Key_Return);
    EXPECT_EQ(texts({"Label3", "Label5", "Label9"}),
              QStringList({"أخطأت", "عدد الاجابات الخاطئة :  1", "تدرب أكثر"}));
    endPause();
    press(Qt::Key_Escape);
    EXPECT_TRUE(navigator.programEnded());
}

TEST_F(Form6Test, LeavingForTheExerciseMenuKeepsTheScreenAsItWasOrAsThePauseLeftIt)
{
    type("8");
    click(S6, "Label7");
    EXPECT_TRUE(shown(ScreenId::Form7));
    EXPECT_FALSE(shown(S6));
    open();
    EXPECT_EQ(texts({"b1", "txtb1", "Label6"}), QStringList({"3", "8", "عدد الأسئلة :  1"}));

    press(Qt::Key_Return);
    click(S6, "Label7");
    endPause();  // ends while the screen is hidden
    open();
    EXPECT_EQ(texts({"b1", "txtb1", "Label5", "Label6"}),
              QStringList({"20", "", "عدد الاجابات الخاطئة :  1", "عدد الأسئلة :  2"}));
    EXPECT_EQ(focused(), "txtb1");
}

}  // namespace
