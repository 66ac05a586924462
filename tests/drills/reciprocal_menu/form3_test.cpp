#include <QTimer>

#include "../../ui/ui_test_support.h"
#include "drills/reciprocal_menu/form3.h"
#include "ui/caption.h"
#include "ui/shapes.h"

namespace {

constexpr ScreenId S3 = ScreenId::Form3;

class Form3Test : public ScreenTest {
protected:
    // The pairs drawn: 3/8 proposed as 8/11, then 7/7 as itself, then 3/8 as 8/3.
    Form3Test()
    {
        fakes.draws.clear();
        for (const auto [b1, m1, kase] : {std::array{3, 8, 1}, {7, 7, 2}, {3, 8, 0}})
            fakes.draws.insert(fakes.draws.end(), {(b1 + .5) / 21, (m1 + .5) / 21, (kase + .5) / 3});
    }
    void open()
    {
        navigator.showScreen(ScreenId::Form5);
        click(ScreenId::Form5, "Label4");
        form = static_cast<Form3*>(navigator.screen(S3));
        ASSERT_NE(form, nullptr);
    }
    QString text(const char* name) { return control<Caption>(S3, name)->caption(); }
    QStringList pair() { return {text("b1"), text("m1"), text("b2"), text("m2")}; }
    bool visible(const char* name) { return control(S3, name)->isVisible(); }
    QColor fill(const char* name) { return control<FilledShape>(S3, name)->fill(); }
    // A real pointer move to a point of the named control (its top-left by default).
    void pointTo(const char* name, QPoint at = {3, 3}) { QTest::mouseMove(control(S3, name), at); }
    void tick()
    {
        ASSERT_TRUE(form->timer()->isActive());
        form->timer()->stop();
        form->timerTick();
    }

    Form3* form = nullptr;
};

TEST_F(Form3Test, OpensFromTheMenuJudgesClicksAndRestsThroughThePause)
{
    open();
    EXPECT_FALSE(navigator.screen(ScreenId::Form5)->isVisible());
    EXPECT_EQ(pair(), QStringList({"3", "8", "8", "11"}));
    EXPECT_EQ(text("Label6"), "عدد الأسئلة :  1");
    EXPECT_EQ(text("Label10"), "f");
    EXPECT_FALSE(visible("Label10") || visible("Label3"));
    EXPECT_EQ(form->timer()->interval(), 2500);

    // "صح" on 8/11: the counter and message show before the sound, the grade after it.
    QStringList seen;
    fakes.onSound = [&](Verdict) { seen = {text("Label3"), text("Label5"), text("Label9")}; };
    click(S3, "Label7");
    EXPECT_TRUE(visible("Label3"));
    EXPECT_EQ(seen, QStringList({"أخطأت الاجابة الصحيحة هي  خطأ", "عدد الاجابات الخاطئة :  1",
                                 "التقدير"}));
    EXPECT_EQ(text("Label9"), "راسب ، لماذا ؟ ");
    click(S3, "Label8");  // during the pause
    click(S3, "Label7");
    EXPECT_EQ(fakes.sounds, std::vector<Verdict>{Verdict::Wrong});

    tick();
    EXPECT_FALSE(visible("Label3"));
    EXPECT_EQ(pair(), QStringList({"7", "7", "7", "7"}));
    EXPECT_EQ(text("Label6"), "عدد الأسئلة :  2");
    // "خطأ" on 7/7 drawn as itself counts nothing, yet the pause still comes.
    click(S3, "Label8");
    EXPECT_EQ(fakes.sounds.size(), 1u);
    EXPECT_FALSE(visible("Label3"));
    EXPECT_EQ(text("Label5"), "عدد الاجابات الخاطئة :  1");
    EXPECT_FALSE(control(S3, "Label7")->isEnabled());

    // Left during the pause: the pause ends while the screen is hidden, and the
    // return shows its pair and score as they are.
    click(S3, "Label11");
    ASSERT_FALSE(form->isVisible());
    tick();
    click(ScreenId::Form5, "Label4");
    EXPECT_EQ(pair(), QStringList({"3", "8", "8", "3"}));
    EXPECT_EQ(text("Label6"), "عدد الأسئلة :  3");
    click(S3, "Label7");
    EXPECT_EQ(text("Label3"), "أحسنت إجابة صحيحة ");
    EXPECT_EQ(text("Label4"), "عدد الاجابات الصحيحة :  1");
    EXPECT_EQ(text("Label9"), "راسب ، لماذا ؟ ");  // 1 of 3
}

TEST_F(Form3Test, AMarkLightsItsBoxUntilThePointerCrossesTheBackgroundAndEscapeEnds)
{
    open();
    const QColor lit = Form3::litColour(), plain = Form3::plainColour();
    EXPECT_EQ(fill("Shape1"), QColor(Qt::white));
    // Where the pointer goes, and the fills of Shape2 ("صح") and Shape1 ("خطأ") afterwards.
    const struct { const char* over; QPoint at; QColor right, wrong; } moves[] = {
        {"Label7", {3, 3}, lit, QColor(Qt::white)}, {"Image1", {600, 500}, plain, plain},
        {"Label8", {3, 3}, plain, lit},            {"Label2", {3, 3}, plain, lit},
        {"Shape1", {3, 170}, plain, plain}  /* its rim */,          {"Label7", {3, 3}, lit, plain},
        {"Form3", {3, 598}, plain, plain},  // the bare strip below the picture
    };
    for (const auto& move : moves) {
        if (QByteArray(move.over) == "Form3")
            QTest::mouseMove(form, move.at);
        else
            pointTo(move.over, move.at);
        EXPECT_EQ(fill("Shape2"), move.right) << move.over;
        EXPECT_EQ(fill("Shape1"), move.wrong) << move.over;
    }

    key(S3, Qt::Key_Escape);
    EXPECT_TRUE(navigator.programEnded());
}

}  // namespace
