// SPDX-License-Identifier: GPL-3.0-or-later
#include "../../ui/ui_test_support.h"
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
            fakes.draws.push_back(drawOf(value, 21));
        for (int b1 = 1; b1 <= 20; ++b1)
            for (int m1 = 1; m1 <= 20; ++m1)
                fakes.draws.insert(fakes.draws.end(), {drawOf(b1, 21), drawOf(m1, 21)});
        navigator.showScreen(ScreenId::Form7);
        click(ScreenId::Form7, "Command2");
        click(ScreenId::Form5, "Label2");
    }
};

TEST_F(Form6Test, APupilAnswersByKeyboardAloneAndThePauseTakesNoKeyOfItsOwn)
{
    EXPECT_EQ(texts(S6, {"b1", "m1", "Label6", "Label3"}),
              QStringList({"3", "8", "عدد الأسئلة :  1", ""}));
    EXPECT_EQ(focused(S6), "txtb1");
    for (Qt::Key pressed :
         {Qt::Key_8, Qt::Key_1, Qt::Key_Backspace, Qt::Key_Tab, Qt::Key_3, Qt::Key_Return})
        key(S6, pressed);
    EXPECT_EQ(texts(S6, {"Label3", "Label4", "Label9"}),
              QStringList({"أحسنت إجابة صحيحة ", "عدد الاجابات الصحيحة :  1", "ممتاز"}));
    EXPECT_EQ(timer(S6, "Timer1")->interval(), 2500);
    // During the pause Enter and Escape reach only the box, which drops them; digits wait.
    for (Qt::Key pressed : {Qt::Key_0, Qt::Key_Enter, Qt::Key_Escape})
        key(S6, pressed);
    EXPECT_EQ(text(S6, "txtm1"), "30");
    EXPECT_EQ(fakes.sounds, std::vector{Verdict::Right});
    EXPECT_FALSE(navigator.programEnded());

    tick(S6, "Timer1");
    EXPECT_EQ(texts(S6, {"b1", "m1", "txtb1", "txtm1", "Label3", "Label6"}),
              QStringList({"20", "4", "", "", "", "عدد الأسئلة :  2"}));
    EXPECT_EQ(focused(S6), "txtb1");
    key(S6, Qt::Key_Escape);
    EXPECT_TRUE(navigator.programEnded());
}

// Every fraction from 1/1 to 20/20 here, and on Form3 two-digit numbers on both sides: each bar
// clears the digits above and below it by 3 px, and no word touches a bar or any text's letters.
TEST_F(Form6Test, EveryFractionStandsClearOfItsBarAndOfTheWords)
{
    // Form3's pairs: 18/20 with 20/38, 12/17 with 17/12, 20/20 with 20/40, 1/10 with itself.
    fakes.draws = {drawOf(18, 21), drawOf(20, 21), 0.5, drawOf(12, 21), drawOf(17, 21), 0.1,
                   drawOf(20, 21), drawOf(20, 21), 0.5, drawOf(1, 21),  drawOf(10, 21), 0.9};
    const std::tuple<ScreenId, int, const char*> walks[] = {{S6, 3 + 400, nullptr},
                                                            {ScreenId::Form3, 4, "Label7"}};
    for (const auto& [screen, count, answer] : walks) {
        navigator.showScreen(screen);
        const auto* sentence = control<FractionSentence>(screen, "Label2");
        for (int left = count; left > 0; --left) {
            std::string shown;
            std::vector<QRect> bars;  // a line of its own where the fraction has one
            for (std::size_t i = 0; i < sentence->fractions().size(); ++i) {
                const auto& [numerator, denominator, line] = sentence->fractions()[i];
                bars.push_back(line ? line->geometry() : sentence->bars()[i]);
                shown += (numerator->caption() + "/" + denominator->caption() + " ").toStdString();
                EXPECT_GE(bars[i].top() - numerator->inkRect().bottom() - 1, 3) << shown;
                EXPECT_GE(denominator->inkRect().top() - bars[i].bottom() - 1, 3) << shown;
            }
            for (const QRect& word : sentence->wordInk()) {
                const QRect around = word.adjusted(-1, -1, 1, 1);
                for (const QRect& bar : bars)
                    EXPECT_FALSE(around.intersects(bar)) << shown;
                for (const auto* text : navigator.screen(screen)->findChildren<Caption*>())
                    EXPECT_FALSE(text->isVisible() && around.intersects(text->inkRect()))
                        << shown << text->objectName().toStdString();
            }
            if (left == 1)
                break;  // the script holds no further fraction
            if (answer)
                click(screen, answer);
            else
                key(screen, Qt::Key_Return);
            tick(screen, "Timer1");
        }
    }
}

}  // namespace
