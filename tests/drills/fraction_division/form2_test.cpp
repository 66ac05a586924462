#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "../../ui/ui_test_support.h"
#include "drills/fraction_division/form2.h"
#include "ui/answer_box.h"
#include "ui/caption.h"
#include "ui/picture.h"

namespace {

// Every test works the problem 3/4 ÷ 2/5, which the fake random source draws.
class Form2Test : public ScreenTest {
protected:
    // Opens the screen from the exercise menu and lets its first problem be drawn.
    Form2* open()
    {
        navigator.showScreen(ScreenId::Form7);
        QTest::mouseClick(control(ScreenId::Form7, "Command1"), Qt::LeftButton);
        form = static_cast<Form2*>(navigator.screen(ScreenId::Form2));
        EXPECT_TRUE(QTest::qWaitFor([this] { return form->drill().problemDrawn(); }, 1000));
        return form;
    }

    QString text(const char* name)
    {
        if (auto* caption = control<Caption>(ScreenId::Form2, name))
            return caption->caption();
        if (auto* edit = control<QPlainTextEdit>(ScreenId::Form2, name))
            return edit->toPlainText();
        if (auto* button = control<QPushButton>(ScreenId::Form2, name))
            return button->accessibleName();
        return control<QLineEdit>(ScreenId::Form2, name)->text();
    }
    bool visible(const char* name) { return control(ScreenId::Form2, name)->isVisible(); }
    QString mark(const char* name)
    {
        auto* picture = control<Picture>(ScreenId::Form2, name);
        return picture->isVisible() ? picture->source() : QString();
    }
    QString focused() { return form->focusWidget()->objectName(); }
    void press(const char* name) { QTest::mouseClick(control(ScreenId::Form2, name), Qt::LeftButton); }

    // Empties the box and types the characters into it one key at a time.
    void type(const char* box, const char* keys)
    {
        auto* edit = control<QLineEdit>(ScreenId::Form2, box);
        edit->clear();
        for (const QChar typed : QString::fromUtf8(keys)) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(typed));
            QApplication::sendEvent(edit, &press);
        }
    }

    // Answers step 1 to step `last` right, opening step 1 first.
    void solveUpTo(int last)
    {
        press("step1");
        const char* answers[4][3] = {{"txtb1", "3", "4"}, {"txtamalya", "×", nullptr},
                                     {"txtb2", "5", "2"}, {"txtb3", "15", "8"}};
        const char* second[4] = {"txtm1", nullptr, "txtm2", "txtm3"};
        const char* buttons[4] = {"step1", "step2", "step3", "step4"};
        for (int step = 0; step < last; ++step) {
            type(answers[step][0], answers[step][1]);
            if (second[step])
                type(second[step], answers[step][2]);
            press(buttons[step]);
        }
    }

    Form2* form = nullptr;
};

TEST_F(Form2Test, OpensWithItsFirstProblemUnderAFreshScore)
{
    open();
    EXPECT_FALSE(shown(ScreenId::Form7));
    EXPECT_EQ(form->palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(QStringList({text("b1"), text("m1"), text("b2"), text("m2")}),
              QStringList({"3", "4", "2", "5"}));
    EXPECT_EQ(text("Label6"), "عدد الأسئلة :  2");
    EXPECT_EQ(text("Label4"), " عدد الاجابات الصحيحة : 0");
    EXPECT_EQ(text("Label9"), "التقدير");
    EXPECT_EQ(text("step1"), "الخطوة الاولى");
    for (const char* hidden : {"txtb1", "Line11", "step2", "txtamalya", "step3", "yosawi1", "step4",
                               "txtb3", "yosawi2", "cnew", "help", "imgb1", "imgtrue", "imgfalse"})
        EXPECT_FALSE(visible(hidden)) << hidden;
    EXPECT_EQ(control(ScreenId::Form2, "b1")->font().pixelSize(), 96);
    EXPECT_EQ(control<AnswerBox>(ScreenId::Form2, "txtb3")->characterLimit(), 3);
    EXPECT_FALSE(form->timer(DrillTimer::Timer1)->isActive());
}

TEST_F(Form2Test, APupilSolvesAProblemByClicksAndTypedDigits)
{
    open();
    press("step1");
    EXPECT_TRUE(visible("Line11"));
    EXPECT_EQ(focused(), "txtb1");
    EXPECT_EQ(text("step1"), "اختبار الاجابة");
    // Letters, signs, blanks and Enter never reach a number box.
    QTest::keyClicks(control(ScreenId::Form2, "txtb1"), "a-3 x");
    QTest::keyClick(control(ScreenId::Form2, "txtb1"), Qt::Key_Return);
    EXPECT_EQ(text("txtb1"), "3");
    // From the keyboard alone: Tab to the next box, then to the step's button.
    QTest::keyClick(form->focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(focused(), "txtm1");
    QTest::keyClicks(form->focusWidget(), "4");
    QTest::keyClick(form->focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(focused(), "step1");
    QTest::keyClick(form->focusWidget(), Qt::Key_Space);
    EXPECT_FALSE(visible("step1"));
    EXPECT_EQ(text("step2"), "اختبار الاجابة");
    EXPECT_EQ(focused(), "txtamalya");
    EXPECT_EQ(mark("imgb1"), pictures::tick);

    type("txtamalya", "*");
    press("step2");
    type("txtb2", "5");
    type("txtm2", "2");
    press("step3");
    EXPECT_TRUE(visible("yosawi2"));
    EXPECT_EQ(text("step4"), "اختبار الاجابة");
    EXPECT_EQ(focused(), "txtb3");
    EXPECT_EQ(text("Label6"), "عدد الأسئلة :  7");
    type("txtb3", "15");
    type("txtm3", "8");
    press("step4");

    EXPECT_EQ(fakes.sounds, std::vector<Verdict>(4, Verdict::Right));
    EXPECT_EQ(text("Label4"), "عدد الاجابات الصحيحة :  7");
    EXPECT_EQ(text("Label9"), "ممتاز");
    EXPECT_TRUE(visible("cnew"));
    EXPECT_FALSE(visible("step4"));
    EXPECT_EQ(text("Txthelp"), "احسنت اجابتك سليمة حاول بحل سؤال آخر");
}

TEST_F(Form2Test, AWrongBoxIsCountedBeforeTheSoundMarkedAfterItThenClearedForARetry)
{
    open();
    press("step1");
    type("txtb1", "3");
    type("txtm1", "9");
    QStringList seen;
    fakes.onSound = [&](Verdict) {
        seen = {text("Label4"), text("Label5"), mark("imgb1"), mark("imgm1")};
    };
    press("step1");
    EXPECT_EQ(seen, QStringList({"عدد الاجابات الصحيحة :  1", "عدد الاجابات الخاطئة :  1", "", ""}));
    EXPECT_EQ(fakes.sounds, std::vector<Verdict>{Verdict::Wrong});
    EXPECT_EQ(mark("imgb1"), pictures::tick);
    EXPECT_EQ(mark("imgm1"), pictures::cross);
    EXPECT_EQ(form->timer(DrillTimer::Hide1)->interval(), 2000);
    ASSERT_TRUE(form->timer(DrillTimer::Hide1)->isActive());

    form->timer(DrillTimer::Hide1)->stop();
    form->timerTick(DrillTimer::Hide1);
    EXPECT_EQ(mark("imgb1"), "");
    EXPECT_EQ(text("txtb1"), "3");  // a ticked box keeps its answer
    EXPECT_EQ(text("txtm1"), "");
    EXPECT_EQ(focused(), "txtm1");

    type("txtm1", "4");
    press("step1");
    EXPECT_EQ(text("Label4"), "عدد الاجابات الصحيحة :  3");
    EXPECT_EQ(text("Label6"), "عدد الأسئلة :  3");
    EXPECT_EQ(text("Label9"), "التقدير");  // graded only when a problem is solved
}

TEST_F(Form2Test, AClearTimerFiringWhileTheScreenIsHiddenStillEmptiesItsBoxes)
{
    open();
    press("step1");
    press("step1");  // both boxes empty: two crosses
    press("Label7");  // الواجهة leads to the reciprocal menu
    EXPECT_TRUE(shown(ScreenId::Form5));
    EXPECT_FALSE(form->isVisible());
    type("txtb1", "7");
    EXPECT_TRUE(QTest::qWaitFor([this] { return !form->timer(DrillTimer::Hide1)->isActive(); }, 3000));
    EXPECT_EQ(text("txtb1"), "");
    EXPECT_FALSE(control(ScreenId::Form2, "imgb1")->isVisibleTo(form));
}

TEST_F(Form2Test, HelpPanelFollowsTheStepsWhetherShownOrNot)
{
    open();
    press("Comhelp");
    EXPECT_TRUE(visible("help"));
    EXPECT_EQ(text("Comhelp"), "اخفاء المساعدة");
    EXPECT_EQ(control<QGroupBox>(ScreenId::Form2, "help")->accessibleName(), "المساعدة");
    press("step1");
    EXPECT_EQ(text("Txthelp"), "نكتب الكسر الأول كما هو");
    press("Comhelp");
    EXPECT_FALSE(visible("help"));
    EXPECT_EQ(text("Comhelp"), "اضهار المساعدة");
    solveUpTo(2);
    EXPECT_EQ(text("Txthelp"), "نقلب الكسر الثاني");
}

TEST_F(Form2Test, NewQuestionPutsTheStepAreaBackAndDrawsAgain)
{
    open();
    solveUpTo(4);
    press("cnew");
    EXPECT_FALSE(visible("cnew"));
    EXPECT_EQ(text("step1"), "الخطوة الاولى");
    for (const char* box : {"txtb1", "txtm1", "txtamalya", "txtb2", "txtm2", "txtb3", "txtm3"}) {
        EXPECT_EQ(text(box), "") << box;
        EXPECT_FALSE(visible(box)) << box;
    }
    EXPECT_EQ(text("Txthelp"), "اضغط على زر الخطوة الاولى");
    EXPECT_EQ(text("Label4"), "عدد الاجابات الصحيحة :  7");
    EXPECT_TRUE(QTest::qWaitFor([this] { return text("Label6") == "عدد الأسئلة :  9"; }, 1000));
}

TEST_F(Form2Test, EscapeEndsTheProgramOnlyOnceAProblemIsDrawn)
{
    navigator.showScreen(ScreenId::Form2);
    form = static_cast<Form2*>(navigator.screen(ScreenId::Form2));
    form->timer(DrillTimer::Timer1)->stop();  // catch the screen before its first draw
    QTest::keyClick(control(ScreenId::Form2, "step1"), Qt::Key_Escape);
    EXPECT_FALSE(navigator.programEnded());
    form->timerTick(DrillTimer::Timer1);
    press("step1");
    QTest::keyClick(control(ScreenId::Form2, "txtb1"), Qt::Key_Escape);
    EXPECT_TRUE(navigator.programEnded());
    EXPECT_FALSE(form->isVisible());
}

TEST_F(Form2Test, ComingBackFindsTheScreenAsItWasLeft)
{
    open();
    solveUpTo(2);
    type("txtb2", "5");
    press("Label7");
    navigator.goTo(ScreenId::Form5, ScreenId::Form7);
    QTest::mouseClick(control(ScreenId::Form7, "Command1"), Qt::LeftButton);
    EXPECT_EQ(navigator.screen(ScreenId::Form2), form);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(text("b1"), "3");
    EXPECT_EQ(text("txtb2"), "5");
    EXPECT_EQ(text("step3"), "اختبار الاجابة");
    EXPECT_EQ(text("Label6"), "عدد الأسئلة :  5");
}

}  // namespace
