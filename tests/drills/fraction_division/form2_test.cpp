// SPDX-License-Identifier: GPL-3.0-or-later
#include <QScrollBar>

#include "../../ui/ui_test_support.h"
#include "ui/picture.h"
#include "ui/shapes.h"

namespace {

constexpr ScreenId S2 = ScreenId::Form2;

// Every test works 3/4 ÷ 2/5, which the fake random source draws.
class Form2Test : public ScreenTest {
protected:
    QString mark(const char* name)
    {
        auto* picture = control<Picture>(S2, name);
        return picture->isVisible() ? picture->source() : QString();
    }
    // Answers each step up to `last` that still waits, rightly, opening step 1 first.
    void solveUpTo(int last)
    {
        if (text(S2, "step1") == "الخطوة الاولى")
            click(S2, "step1");
        const char* answers[4][4] = {{"txtb1", "3", "txtm1", "4"},
                                     {"txtamalya", "×", "", ""},
                                     {"txtb2", "5", "txtm2", "2"},
                                     {"txtb3", "15", "txtm3", "8"}};
        for (int step = 0; step < last; ++step) {
            const std::string button = "step" + std::to_string(step + 1);
            if (!visible(S2, button.c_str()))
                continue;  // answered already
            type(S2, answers[step][0], answers[step][1]);
            if (*answers[step][2])
                type(S2, answers[step][2], answers[step][3]);
            click(S2, button.c_str());
        }
    }
};

TEST_F(Form2Test, DrawsAtLoadListensForEscapeOnlyThenAndWorksFromTheKeyboard)
{
    navigator.showScreen(S2);
    timer(S2, "Timer1")->stop();  // catch the screen before its first draw
    EXPECT_EQ(texts(S2, {"b1", "m2", "Label6"}), QStringList({"2", "2", "عدد الاسئلة"}));
    control(S2, "step1")->setFocus();
    key(S2, Qt::Key_Escape);
    EXPECT_FALSE(navigator.programEnded());

    static_cast<DrillScreen*>(navigator.screen(S2))->fireTimer("Timer1");
    EXPECT_EQ(texts(S2, {"b1", "m1", "b2", "m2", "Label6", "Label4", "Label9", "step1"}),
              QStringList({"3", "4", "2", "5", "عدد الأسئلة :  2", " عدد الاجابات الصحيحة : 0",
                           "التقدير", "الخطوة الاولى"}));
    // Digits, Tab to the next box, Tab to the step's button, Space to check.
    click(S2, "step1");
    for (const Qt::Key key : {Qt::Key_3, Qt::Key_Tab, Qt::Key_4, Qt::Key_Tab, Qt::Key_Space,
                              Qt::Key_Asterisk, Qt::Key_Tab, Qt::Key_Space})
        QTest::keyClick(navigator.screen(S2)->focusWidget(), key);
    EXPECT_EQ(focused(S2), "txtb2");
    EXPECT_EQ(fakes.sounds, std::vector<Verdict>(2, Verdict::Right));
    EXPECT_EQ(text(S2, "Label6"), "عدد الأسئلة :  5");
    key(S2, Qt::Key_Escape);
    EXPECT_TRUE(navigator.programEnded());
}

TEST_F(Form2Test, AWrongBoxIsCountedBeforeTheSoundMarkedAfterItAndEveryMarkStandsClear)
{
    open(S2);
    click(S2, "step1");
    type(S2, "txtb1", "3");
    type(S2, "txtm1", "9");
    QStringList seen;
    fakes.onSound = [&](Verdict) { seen = texts(S2, {"Label4", "Label5"}) << mark("imgm1"); };
    click(S2, "step1");
    EXPECT_EQ(seen, QStringList({"عدد الاجابات الصحيحة :  1", "عدد الاجابات الخاطئة :  1", ""}));
    EXPECT_EQ(mark("imgb1") + mark("imgm1"), pictures::tick + pictures::cross);
    EXPECT_EQ(timer(S2, "hide1")->interval(), 2000);
    tick(S2, "hide1");  // a tick keeps its box, a cross empties its own and takes the focus
    EXPECT_EQ(texts(S2, {"txtb1", "txtm1", "imgb1"}) << focused(S2),
              QStringList({"3", "", "", "txtm1"}));

    // On to step 4, answered with a cross beside a tick: marks and signs stand clear.
    solveUpTo(3);
    type(S2, "txtb3", "15");
    type(S2, "txtm3", "9");
    click(S2, "step4");  // every mark shows, one of them a cross
    QWidget* form = navigator.screen(S2);
    const QObjectList& stacking = form->children();  // bottom to top
    const char* signs[] = {"Label14", "Label13", "yosawi1", "yosawi2"};
    for (auto* picture : form->findChildren<MarkPicture*>()) {
        const std::string name = picture->objectName().toStdString();
        ASSERT_TRUE(picture->isVisible()) << name;
        for (auto* other : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            EXPECT_FALSE(other->isVisible() &&
                         stacking.indexOf(other) > stacking.indexOf(picture) &&
                         other->geometry().intersects(picture->geometry()))
                << other->objectName().toStdString() << " over " << name;
        for (const char* sign : signs)
            EXPECT_FALSE(picture->geometry().intersects(control<Caption>(S2, sign)->inkRect()));
    }
    // Each sign keeps a visible gap from the bars beside it.
    for (const char* sign : signs) {
        const QRect around = control<Caption>(S2, sign)->inkRect().adjusted(-3, -3, 3, 3);
        for (auto* bar : form->findChildren<LineShape*>())
            EXPECT_FALSE(bar->isVisible() && bar->geometry().intersects(around)) << sign;
    }
}

TEST_F(Form2Test, HelpFollowsTheStepsInTypeItFillsAndANewQuestionStartsAfresh)
{
    open(S2);
    auto* help = control<QPlainTextEdit>(S2, "Txthelp");
    // Each line is set as large as its box allows, whole and without a scroll bar; a short one
    // is large enough to read at a glance.
    auto expectFitted = [&](int atLeast) {
        EXPECT_GE(help->font().pixelSize(), atLeast) << text(S2, "Txthelp").toStdString();
        EXPECT_EQ(help->verticalScrollBar()->maximum(), 0) << text(S2, "Txthelp").toStdString();
    };
    click(S2, "step1");  // while the panel is hidden
    click(S2, "Comhelp");
    EXPECT_EQ(texts(S2, {"Comhelp", "Txthelp"}),
              QStringList({"اخفاء المساعدة", "نكتب الكسر الأول كما هو"}));
    expectFitted(18);
    EXPECT_TRUE(help->isReadOnly() && help->focusPolicy() == Qt::NoFocus);
    solveUpTo(3);
    EXPECT_EQ(text(S2, "Txthelp"),
              "نضرب البسط × البسط و نكتب الناتج و المقام × المقام و نكتب الناتج");
    expectFitted(10);
    solveUpTo(4);
    EXPECT_EQ(texts(S2, {"Txthelp", "Label9", "step4"}),
              QStringList({"احسنت اجابتك سليمة حاول بحل سؤال آخر", "ممتاز", ""}));
    click(S2, "cnew");
    EXPECT_EQ(texts(S2, {"cnew", "step1", "Txthelp", "Label4"}),
              QStringList(
                  {"", "الخطوة الاولى", "اضغط على زر الخطوة الاولى", "عدد الاجابات الصحيحة :  7"}));
    for (const char* box : {"txtb1", "txtm1", "txtamalya", "txtb2", "txtm2", "txtb3", "txtm3"})
        EXPECT_TRUE(text(S2, box).isEmpty() && !visible(S2, box)) << box;
    tick(S2, "Timer1");
    EXPECT_EQ(text(S2, "Label6"), "عدد الأسئلة :  9");
    click(S2, "Comhelp");
    EXPECT_EQ(texts(S2, {"help", "Comhelp"}), QStringList({"", "اضهار المساعدة"}));
}

}  // namespace
