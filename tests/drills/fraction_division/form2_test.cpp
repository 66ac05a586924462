// SPDX-License-Identifier: GPL-3.0-or-later
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "../../ui/ui_test_support.h"
#include "drills/fraction_division/form2.h"
#include "ui/caption.h"
#include "ui/picture.h"
#include "ui/shapes.h"

namespace {

using Timer = FractionDivisionDrill::Timer;
constexpr ScreenId S2 = ScreenId::Form2;

// Every test works the problem 3/4 ÷ 2/5, which the fake random source draws.
class Form2Test : public ScreenTest {
protected:
    // Opens the screen from the exercise menu and lets its first problem be drawn.
    void open()
    {
        navigator.showScreen(ScreenId::Form7);
        click(ScreenId::Form7, "Command1");
        form = static_cast<Form2*>(navigator.screen(S2));
        ASSERT_TRUE(QTest::qWaitFor([this] { return form->drill().problemDrawn(); }, 1000));
    }

    QString text(const char* name)
    {
        if (auto* caption = control<Caption>(S2, name))
            return caption->caption();
        if (auto* edit = control<QPlainTextEdit>(S2, name))
            return edit->toPlainText();
        if (auto* button = control<QPushButton>(S2, name))
            return button->accessibleName();
        return control<QLineEdit>(S2, name)->text();
    }
    bool visible(const char* name) { return control(S2, name)->isVisible(); }
    QString mark(const char* name)
    {
        auto* picture = control<Picture>(S2, name);
        return picture->isVisible() ? picture->source() : QString();
    }
    QString focused() { return form->focusWidget()->objectName(); }
    void press(const char* name) { click(S2, name); }
    // A clear timer's tick, without waiting for it.
    void tick(const char* name) { ScreenTest::tick(S2, name); }

    // Empties the box and types the characters into it one key at a time.
    void type(const char* box, const char* keys)
    {
        auto* edit = control<QLineEdit>(S2, box);
        edit->clear();
        for (const QChar typed : QString::fromUtf8(keys)) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(typed));
            QApplication::sendEvent(edit, &press);
        }
    }

    // Answers right each step up to `last` that is still waiting, opening step 1 first.
    void solveUpTo(int last)
    {
        if (text("step1") == "الخطوة الاولى")
            press("step1");
        const char* answers[4][4] = {{"txtb1", "3", "txtm1", "4"}, {"txtamalya", "×", nullptr, ""},
                                     {"txtb2", "5", "txtm2", "2"}, {"txtb3", "15", "txtm3", "8"}};
        for (int step = 0; step < last; ++step) {
            const QByteArray button = "step" + QByteArray::number(step + 1);
            if (!visible(button.constData()))
                continue;
            type(answers[step][0], answers[step][1]);
            if (answers[step][2])
                type(answers[step][2], answers[step][3]);
            press(button.constData());
        }
    }

    Form2* form = nullptr;
};

TEST_F(Form2Test, DrawsItsFirstProblemAtLoadAndOnlyThenListensForEscape)
{
    navigator.showScreen(S2);
    form = static_cast<Form2*>(navigator.screen(S2));
    timer(S2, "Timer1")->stop();  // catch the screen before its first draw
    EXPECT_EQ(QStringList({text("b1"), text("m2"), text("Label6")}),
              QStringList({"2", "2", "عدد الاسئلة"}));
    control(S2, "step1")->setFocus();
    key(S2, Qt::Key_Escape);
    EXPECT_FALSE(navigator.programEnded());

    form->fireTimer("Timer1");
    EXPECT_EQ(QStringList({text("b1"), text("m1"), text("b2"), text("m2")}),
              QStringList({"3", "4", "2", "5"}));
    EXPECT_EQ(text("Label6"), "عدد الأسئلة :  2");
    EXPECT_EQ(text("Label4"), " عدد الاجابات الصحيحة : 0");
    EXPECT_EQ(text("Label9"), "التقدير");
    EXPECT_EQ(text("step1"), "الخطوة الاولى");
    for (const char* hidden : {"txtb1", "Line11", "step2", "txtamalya", "yosawi1", "step4", "yosawi2",
                               "cnew", "help", "imgb1", "imgtrue", "imgfalse"})
        EXPECT_FALSE(visible(hidden)) << hidden;
    press("step1");
    key(S2, Qt::Key_Escape);  // in txtb1
    EXPECT_TRUE(navigator.programEnded());
    EXPECT_FALSE(form->isVisible());
}

TEST_F(Form2Test, APupilWorksTheStepsFromTheKeyboardAlone)
{
    open();
    press("step1");
    EXPECT_TRUE(visible("Line11"));
    EXPECT_EQ(focused(), "txtb1");
    // Digits, Tab to the next box, Tab to the step's button, Space to check.
    for (const Qt::Key key : {Qt::Key_3, Qt::Key_Tab, Qt::Key_4, Qt::Key_Tab, Qt::Key_Space})
        QTest::keyClick(form->focusWidget(), key);
    EXPECT_FALSE(visible("step1"));
    EXPECT_EQ(text("step2"), "اختبار الاجابة");
    EXPECT_EQ(focused(), "txtamalya");
    for (const Qt::Key key : {Qt::Key_Asterisk, Qt::Key_Tab, Qt::Key_Space})
        QTest::keyClick(form->focusWidget(), key);
    EXPECT_EQ(focused(), "txtb2");
    EXPECT_EQ(fakes.sounds, std::vector<Verdict>(2, Verdict::Right));
    EXPECT_EQ(text("Label6"), "عدد الأسئلة :  5");
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
    EXPECT_EQ(timer(S2, "hide1")->interval(), 2000);

    tick("hide1");
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

TEST_F(Form2Test, MarksAndSignsStandClearAndNoTextIsCut)
{
    open();
    solveUpTo(3);
    type("txtb3", "15");
    type("txtm3", "9");
    press("step4");  // every mark shows, one of them a cross
    const QObjectList& stacking = form->children();  // bottom to top
    std::vector<QRect> marks;
    for (auto* picture : form->findChildren<MarkPicture*>()) {
        ASSERT_TRUE(picture->isVisible()) << picture->objectName().toStdString();
        marks.push_back(picture->geometry());
        // Nothing that stands over a mark is painted on it.
        for (auto* other : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const bool over = other->isVisible() && stacking.indexOf(other) > stacking.indexOf(picture);
            EXPECT_FALSE(over && other->geometry().intersects(picture->geometry()))
                << other->objectName().toStdString() << " over " << picture->objectName().toStdString();
        }
    }
    // Each sign keeps a visible gap from the bars and the marks beside it.
    for (const char* name : {"Label14", "Label13", "yosawi1", "yosawi2"}) {
        const QRect ink = control<Caption>(S2, name)->inkRect().adjusted(-3, -3, 3, 3);
        for (auto* bar : form->findChildren<LineShape*>())
            EXPECT_FALSE(bar->isVisible() && bar->geometry().intersects(ink))
                << name << " touches " << bar->objectName().toStdString();
        for (const QRect& markBox : marks)
            EXPECT_FALSE(markBox.intersects(ink)) << name;
    }
    // Buttons hold their whole captions.
    for (auto* button : form->findChildren<QPushButton*>()) {
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), button->width() - 8)
            << button->objectName().toStdString();
    }
}

TEST_F(Form2Test, HelpPanelFollowsTheStepsAndANewQuestionStartsAfresh)
{
    open();
    press("Comhelp");
    EXPECT_TRUE(visible("help"));
    EXPECT_EQ(text("Comhelp"), "اخفاء المساعدة");
    press("step1");
    EXPECT_EQ(text("Txthelp"), "نكتب الكسر الأول كما هو");
    press("Comhelp");
    EXPECT_FALSE(visible("help"));
    EXPECT_EQ(text("Comhelp"), "اضهار المساعدة");
    solveUpTo(2);
    EXPECT_EQ(text("Txthelp"), "نقلب الكسر الثاني");
    // Each text is set as large as the box allows, and whole.
    auto* help = control<QPlainTextEdit>(S2, "Txthelp");
    const QFontMetrics metrics(help->font());
    EXPECT_GE(help->font().pixelSize(), 16);
    EXPECT_LE(metrics.horizontalAdvance(text("Txthelp")), help->viewport()->width());
    EXPECT_LE(metrics.height(), help->viewport()->height());

    solveUpTo(4);
    EXPECT_EQ(text("Txthelp"), "احسنت اجابتك سليمة حاول بحل سؤال آخر");
    EXPECT_EQ(text("Label9"), "ممتاز");
    EXPECT_FALSE(visible("step4"));
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

TEST_F(Form2Test, ComingBackFindsTheScreenAsItWasLeftItsTimersHavingRunMeanwhile)
{
    open();
    solveUpTo(2);
    press("step3");  // both boxes empty: two crosses
    press("Label7");  // الواجهة leads to the reciprocal menu
    EXPECT_TRUE(shown(ScreenId::Form5));
    type("txtb2", "5");
    tick("hide3");  // fires while the screen is hidden
    type("txtm2", "2");
    navigator.goTo(ScreenId::Form5, ScreenId::Form7);
    click(ScreenId::Form7, "Command1");
    EXPECT_EQ(navigator.screen(S2), form);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(text("b1"), "3");
    EXPECT_EQ(text("txtb2"), "");  // emptied by its clear timer
    EXPECT_EQ(text("txtm2"), "2");
    EXPECT_EQ(mark("imgb2"), "");
    EXPECT_EQ(text("step3"), "اختبار الاجابة");
    EXPECT_EQ(text("Label6"), "عدد الأسئلة :  5");
}

}  // namespace
