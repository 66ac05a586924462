// SPDX-License-Identifier: GPL-3.0-or-later
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include "../../ui/ui_test_support.h"
#include "drills/reciprocal_menu/form6.h"
#include "ui/caption.h"
#include "ui/fraction_sentence.h"
#include "ui/shapes.h"

namespace {

constexpr ScreenId S6 = ScreenId::Form6;

// The screen opened from the reciprocal menu, over the fractions 3/8, 20/4 and 6/6, then every
// fraction from 1/1 to 20/20.
class Form6Test : public ScreenTest {
protected:
    void SetUp() override
    {
        fakes.draws.clear();
        for (int value : {3, 8, 20, 4, 6, 6})
            fakes.draws.push_back((value + 0.5) / 21);
        for (int b1 = 1; b1 <= 20; ++b1)
            for (int m1 = 1; m1 <= 20; ++m1)
                fakes.draws.insert(fakes.draws.end(), {(b1 + 0.5) / 21, (m1 + 0.5) / 21});
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

// Every fraction from 1/1 to 20/20 here, and on Form3 two-digit numbers on both sides: each bar
// clears the digits above and below it by 3 px, and no word touches a bar or any text's letters.
TEST_F(Form6Test, EveryFractionStandsClearOfItsBarAndOfTheWords)
{
    // Form3's pairs: 18/20 with 20/38, 12/17 with 17/12, 20/20 with 20/40, 1/10 with itself.
    fakes.draws = {18.5 / 21, 20.5 / 21, 0.5, 12.5 / 21, 17.5 / 21, 0.1, 20.5 / 21, 20.5 / 21,
                   0.5, 1.5 / 21, 10.5 / 21, 0.9};
    const struct { ScreenId screen; int shown; std::function<void()> next; } walks[] = {
        {S6, 3 + 400, [this] { press(Qt::Key_Return); endPause(); }},
        {ScreenId::Form3, 4, [this] {
             click(ScreenId::Form3, "Label7");
             tick(ScreenId::Form3, "Timer1");
         }},
    };
    for (const auto& walk : walks) {
        navigator.showScreen(walk.screen);
        const auto* sentence = control<FractionSentence>(walk.screen, "Label2");
        for (int left = walk.shown; left > 0; --left) {
            std::string shown;
            std::vector<QRect> bars;
            for (std::size_t i = 0; i < sentence->fractions().size(); ++i) {
                const auto& [numerator, denominator, line] = sentence->fractions()[i];
                const std::string fraction =
                    (numerator->caption() + "/" + denominator->caption()).toStdString();
                bars.push_back(line ? line->geometry() : sentence->bars()[i]);
                EXPECT_GE(bars[i].top() - numerator->inkRect().bottom() - 1, 3) << fraction;
                EXPECT_GE(denominator->inkRect().top() - bars[i].bottom() - 1, 3) << fraction;
                shown += fraction + " ";
            }
            for (const QRect& word : sentence->wordInk()) {
                const QRect around = word.adjusted(-1, -1, 1, 1);
                for (const QRect& bar : bars)
                    EXPECT_FALSE(around.intersects(bar)) << shown;
                for (const auto* text : navigator.screen(walk.screen)->findChildren<Caption*>())
                    EXPECT_FALSE(text->isVisible() && around.intersects(text->inkRect()))
                        << shown << text->objectName().toStdString();
            }
            if (left > 1)
                walk.next();
        }
    }
}

}  // namespace
