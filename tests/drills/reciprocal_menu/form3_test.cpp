// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTimer>

#include "../../ui/ui_test_support.h"
#include "drills/reciprocal_menu/form3.h"
#include "ui/caption.h"
#include "ui/shapes.h"

namespace {

constexpr ScreenId S3 = ScreenId::Form3;

class Form3Test : public ScreenTest {
protected:
    // Opens the screen from the reciprocal menu on 3/8 proposed as 8/11, then as 8/3.
    void open()
    {
        fakes.draws = {3.5 / 21, 8.5 / 21, 1.5 / 3, 3.5 / 21, 8.5 / 21, 0.5 / 3};
        navigator.showScreen(ScreenId::Form5);
        click(ScreenId::Form5, "Label4");
        form = static_cast<Form3*>(navigator.screen(S3));
        ASSERT_TRUE(form && form->isVisible());
    }
    QString text(const char* name) { return control<Caption>(S3, name)->caption(); }
    QStringList shown() { return {text("b1"), text("m1"), text("b2"), text("m2"), text("Label6")}; }
    bool visible(const char* name) { return control(S3, name)->isVisible(); }
    QColor fill(const char* name) { return control<FilledShape>(S3, name)->fill(); }

    Form3* form = nullptr;
};

TEST_F(Form3Test, AClickShowsItsVerdictBeforeTheSoundAndThePauseEndsEvenWhileHidden)
{
    open();
    EXPECT_EQ(shown(), QStringList({"3", "8", "8", "11", "عدد الأسئلة :  1"}));
    EXPECT_EQ(text("Label10"), "f");
    EXPECT_FALSE(visible("Label10") || visible("Label3"));

    QStringList seen;
    fakes.onSound = [&](Verdict) { seen = {text("Label3"), text("Label5"), text("Label9")}; };
    click(S3, "Label7");
    EXPECT_EQ(seen, QStringList({"أخطأت الاجابة الصحيحة هي  خطأ", "عدد الاجابات الخاطئة :  1",
                                 "التقدير"}));
    EXPECT_TRUE(visible("Label3"));
    EXPECT_EQ(text("Label9"), "راسب ، لماذا ؟ ");
    click(S3, "Label8");  // during the pause
    EXPECT_EQ(fakes.sounds, std::vector<Verdict>{Verdict::Wrong});

    click(S3, "Label11");
    ASSERT_TRUE(timer(S3, "Timer1")->interval() == 2500);
    ASSERT_FALSE(form->isVisible());  // the pause ends while hidden
    tick(S3, "Timer1");
    click(ScreenId::Form5, "Label4");
    EXPECT_EQ(shown(), QStringList({"3", "8", "8", "3", "عدد الأسئلة :  2"}));
}

TEST_F(Form3Test, AMarkLightsItsBoxUntilThePointerCrossesTheBackgroundAndEscapeEnds)
{
    open();
    const QColor lit = Form3::litColour(), plain = Form3::plainColour(), white(Qt::white);
    // Real pointer moves, and the fills of Shape2 ("صح") and Shape1 ("خطأ") afterwards.
    const struct { const char* over; QPoint at; QColor right, wrong; } moves[] = {
        {"Label7", {3, 3}, lit, white},      {"Image1", {600, 500}, plain, plain},
        {"Label8", {3, 3}, plain, lit},      {"Label2", {3, 3}, plain, lit},
        {"Shape1", {3, 170}, plain, plain},  // its rim counts as background
        {"Label7", {3, 3}, lit, plain},      {"Form3", {3, 598}, plain, plain},  // bare screen
    };
    for (const auto& move : moves) {
        QWidget* over = QByteArray(move.over) == "Form3" ? form : control(S3, move.over);
        QTest::mouseMove(over, move.at);
        EXPECT_TRUE(fill("Shape2") == move.right && fill("Shape1") == move.wrong) << move.over;
    }
    key(S3, Qt::Key_Escape);
    EXPECT_TRUE(navigator.programEnded());
}

}  // namespace
