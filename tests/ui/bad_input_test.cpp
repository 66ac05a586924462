// SPDX-License-Identifier: GPL-3.0-or-later
// What a careless or unlucky pupil does to the screens: a megabyte pasted into every box,
// keys that are no digit typed into the number boxes, timers that fire while their screen is
// hidden, the program ended while a timer is armed, and double-clicks on everything.
#include <QClipboard>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

#include "drills/fraction_division/form2.h"
#include "drills/reciprocal_menu/form3.h"
#include "drills/reciprocal_menu/form4.h"
#include "drills/reciprocal_menu/form6.h"
#include "drills/whole_division/form8.h"
#include "ui/caption.h"
#include "ui_test_support.h"

namespace {

using S = ScreenId;

// The program, with the ways the tests below reach its drill screens.
struct Screens : Program {
    template <typename T>
    T* form(S screen) { return static_cast<T*>(navigator.screen(screen)); }
    QLineEdit* box(S screen, const char* name) { return control<QLineEdit>(screen, name); }
    // Shows the screen with its first problem drawn: 3/4 ÷ 2/5 on Form2, 47 ÷ 5 on Form8.
    void open(S screen)
    {
        if (screen == S::Form8)
            fakes.draws = {0.475, 0.55, 0.475, 0.55};
        if (screen == S::Form6)
            fakes.draws = {3.5 / 21, 8.5 / 21, 3.5 / 21, 8.5 / 21};
        navigator.showScreen(S::Form7);
        if (screen == S::Form12)  // beside the menu
            click(S::Form7, "Command8");
        else if (screen != S::Form7)
            navigator.goTo(S::Form7, screen);
        if (screen == S::Form2)
            tick(S::Form2, "Timer1");
        if (screen == S::Form8) {
            click(S::Form8, "Comq");
            tick(S::Form8, "Timer1");
        }
    }
    void answer(S screen, const char* name, const char* text, const char* button)
    {
        box(screen, name)->setText(QString::fromUtf8(text));
        click(screen, button);
    }
    void leave(S screen) { navigator.goTo(screen, S::Form7); }
    bool anyTimerActive()
    {
        for (S screen : {S::Form1, S::Form2, S::Form3, S::Form4, S::Form6, S::Form8, S::Form9})
            if (QWidget* window = navigator.screen(screen))
                for (QTimer* timer : window->findChildren<QTimer*>())
                    if (timer->isActive())
                        return true;
        return false;
    }
};

class BadInputTest : public ::testing::Test, public Screens {};

// A double-click as the window system delivers it: a click, then a second press that comes
// as a double-click, and its release, unless the click took the control away.
void doubleClick(QWidget* target)
{
    QTest::mouseClick(target, Qt::LeftButton);
    if (!target->isVisible())
        return;
    const QPointF at = QRectF(target->rect()).center();
    QMouseEvent second(QEvent::MouseButtonDblClick, at, target->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                       Qt::NoModifier);
    QApplication::sendEvent(target, &second);
    QTest::mouseRelease(target, Qt::LeftButton);
}

TEST_F(BadInputTest, AMegabytePastedIntoAnyBoxIsHeldWholeOrCutAtACharacterAndTheScreenGoesOn)
{
    // A megabyte of Arabic-Indic digits, emoji, digits, blanks and letters, as Ctrl+V pastes it.
    QString megabyte;
    while (megabyte.toUtf8().size() < (1 << 20))
        megabyte += QString::fromUtf8("٣😀9 ب7").repeated(4096);
    QApplication::clipboard()->setText(megabyte);
    // The box, the characters it holds (0: no limit) and what is clicked next to read it. The
    // help panels' boxes take no focus and no typing: nothing can be pasted into them.
    const struct { S screen; const char* box; int limit; const char* button; } boxes[] = {
        {S::Form2, "txtb1", 2, "step1"}, {S::Form6, "txtb1", 2, nullptr}, {S::Form6, "txtm1", 2, nullptr},
        {S::Form8, "Txtnatj1", 0, "enter1"},
    };
    for (const auto& c : boxes) {
        SCOPED_TRACE(testing::Message() << screenName(c.screen).toStdString() << " " << c.box);
        Screens program;
        program.open(c.screen);
        if (c.screen == S::Form2)
            program.click(S::Form2, "step1");
        auto* target = program.control<QLineEdit>(c.screen, c.box);
        ASSERT_TRUE(target && target->isVisible());
        target->setFocus();
        QElapsedTimer clock;
        clock.start();
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
        const QString held = target->text();
        if (c.limit) {
            EXPECT_EQ(held.toUcs4().size(), c.limit);
            EXPECT_TRUE(megabyte.startsWith(held) && !held.back().isHighSurrogate()) << held.toStdString();
        } else {
            EXPECT_EQ(held.size(), megabyte.size());
        }
        if (c.button)
            program.click(c.screen, c.button);
        // Generous: a pass over the text that is not linear would take minutes.
        EXPECT_LT(clock.elapsed(), 5000);
    }
    // The pasted quotient is read, judged wrong and cleared; the right one still counts.
    open(S::Form8);
    box(S::Form8, "Txtnatj1")->setText(megabyte);
    click(S::Form8, "enter1");
    EXPECT_EQ(box(S::Form8, "Txtnatj1")->text(), "");
    answer(S::Form8, "Txtnatj1", "9", "enter1");
    EXPECT_EQ(fakes.sounds, std::vector<Verdict>({Verdict::Wrong, Verdict::Right}));
}

TEST_F(BadInputTest, NumberBoxesOfEveryScreenTakeOnlyDigitsFromTheKeyboard)
{
    // Letters, signs, a blank, an emoji, Arabic-Indic digits, two letters from one key and
    // letters with Alt, Meta and AltGr held, then one digit.
    const struct { Qt::Key key; Qt::KeyboardModifiers modifiers; const char* text; } keys[] = {
        {Qt::Key_A, Qt::NoModifier, "a"},    {Qt::Key_Minus, Qt::NoModifier, "-"},
        {Qt::Key_Plus, Qt::NoModifier, "+"}, {Qt::Key_Period, Qt::NoModifier, "."},
        {Qt::Key_Space, Qt::NoModifier, " "}, {Qt::Key_unknown, Qt::NoModifier, "😀"},
        {Qt::Key_unknown, Qt::NoModifier, "٣"}, {Qt::Key_unknown, Qt::NoModifier, "۷"},
        {Qt::Key_B, Qt::NoModifier, "لا"},   {Qt::Key_A, Qt::AltModifier, "a"},
        {Qt::Key_A, Qt::MetaModifier, "a"},  {Qt::Key_E, Qt::ControlModifier | Qt::AltModifier, "€"},
        {Qt::Key_4, Qt::NoModifier, "4"},
    };
    const std::pair<S, const char*> boxes[] = {
        {S::Form2, "txtb1"}, {S::Form2, "txtm1"}, {S::Form2, "txtb2"}, {S::Form2, "txtm2"},
        {S::Form2, "txtb3"}, {S::Form2, "txtm3"}, {S::Form6, "txtb1"}, {S::Form6, "txtm1"}};
    for (const auto& [screen, name] : boxes) {
        SCOPED_TRACE(testing::Message() << screenName(screen).toStdString() << " " << name);
        navigator.showScreen(screen);
        QLineEdit* edit = box(screen, name);
        edit->clear();
        for (const auto& key : keys) {
            QKeyEvent press(QEvent::KeyPress, key.key, key.modifiers, QString::fromUtf8(key.text));
            QApplication::sendEvent(edit, &press);
        }
        EXPECT_EQ(edit->text(), "4");
    }
}

TEST_F(BadInputTest, TimersThatFireWhileTheirScreenIsHiddenLeaveItReadyForTheReturn)
{
    // Form3, Form4 and Form6's pauses and Form2's hide3 are tried with their screens' tests.
    // Form2 drawn while hidden, then each step's marks cleared while hidden.
    navigator.showScreen(S::Form7);
    navigator.goTo(S::Form7, S::Form2);
    leave(S::Form2);
    tick(S::Form2, "Timer1");
    const struct { const char* top; const char* bottom; const char* button; const char* timer; } steps[] = {
        {"txtb1", "txtm1", "step1", "hide1"}, {"txtamalya", nullptr, "step2", "hide2"},
        {"txtb2", "txtm2", "step3", "hide3"}, {"txtb3", "txtm3", "step4", "hide4"}};
    const char* right[][2] = {{"3", "4"}, {"×", ""}, {"5", "2"}, {"15", "8"}};
    navigator.goTo(S::Form7, S::Form2);
    click(S::Form2, "step1");
    for (std::size_t i = 0; i < 4; ++i) {
        const auto& step = steps[i];
        box(S::Form2, step.top)->setText("0");  // wrong first, cleared while hidden
        click(S::Form2, step.button);
        leave(S::Form2);
        tick(S::Form2, step.timer);
        EXPECT_EQ(box(S::Form2, step.top)->text(), "");
        navigator.goTo(S::Form7, S::Form2);
        box(S::Form2, step.top)->setText(QString::fromUtf8(right[i][0]));
        if (step.bottom)
            box(S::Form2, step.bottom)->setText(right[i][1]);
        click(S::Form2, step.button);
        tick(S::Form2, step.timer);
    }
    EXPECT_TRUE(control(S::Form2, "cnew")->isVisible());
    EXPECT_EQ(control<Caption>(S::Form2, "Label9")->caption(), "ممتاز");  // 7 boxes of 7

    // Form8 drawn while hidden, then its message hidden while hidden.
    fakes.draws = {0.475, 0.55};
    navigator.goTo(S::Form2, S::Form8);
    click(S::Form8, "Comq");
    leave(S::Form8);
    tick(S::Form8, "Timer1");
    navigator.goTo(S::Form7, S::Form8);
    EXPECT_EQ(control<Caption>(S::Form8, "lamaksoom")->caption(), "47");
    answer(S::Form8, "Txtnatj1", "9", "enter1");
    leave(S::Form8);
    tick(S::Form8, "Timerhidenatija");
    navigator.goTo(S::Form7, S::Form8);
    EXPECT_FALSE(control(S::Form8, "Label3")->isVisible());
    answer(S::Form8, "Txtnatj2", "45", "enter2");
    EXPECT_EQ(control<Caption>(S::Form8, "Label4")->caption(), "عدد الاجابات الصحيحة :  2");
}

TEST_F(BadInputTest, EndingTheProgramWhileATimerIsArmedStopsEveryTimer)
{
    // The screen, what arms one of its timers, and how the program is ended: Escape on the
    // screen, "خروج" on the menu it was left for, or closing the last screen through its frame.
    enum class End { Escape, Exit, Close };
    const std::pair<S, std::function<void(Screens&)>> screens[] = {
        {S::Form2, [](Screens& p) { p.click(S::Form2, "step1"); p.click(S::Form2, "step1"); }},
        {S::Form6, [](Screens& p) { p.key(S::Form6, Qt::Key_Return); }},
        {S::Form3, [](Screens& p) { p.click(S::Form3, "Label7"); }},
        {S::Form4, [](Screens& p) { p.click(S::Form4, "Command1"); }},
        {S::Form8, [](Screens& p) { p.answer(S::Form8, "Txtnatj1", "1", "enter1"); }},
    };
    for (const auto& [screen, arm] : screens) {
        for (End end : {End::Escape, End::Exit, End::Close}) {
            SCOPED_TRACE(testing::Message() << screenName(screen).toStdString() << " " << int(end));
            Screens p;
            p.open(screen);
            arm(p);
            ASSERT_TRUE(p.anyTimerActive());
            if (end == End::Escape) {
                p.key(screen, Qt::Key_Escape);
            } else if (end == End::Exit) {
                p.leave(screen);
                p.click(S::Form7, "Label7");
            } else {
                p.navigator.screen(screen)->close();
            }
            // Form6 hands no key to its own handling while its verdict shows.
            const bool ends = !(screen == S::Form6 && end == End::Escape);
            EXPECT_EQ(p.navigator.programEnded(), ends);
            EXPECT_EQ(p.anyTimerActive(), !ends);
            const std::size_t sounds = p.fakes.sounds.size();
            QTest::qWait(20);
            EXPECT_EQ(p.fakes.sounds.size(), sounds);
        }
    }
}

TEST_F(BadInputTest, ADoubleClickOnAnyControlJudgesAtMostOnceAndOnlyExitEnds)
{
    for (S screen : {S::Form7, S::Form5, S::Form12, S::Form2, S::Form3, S::Form4, S::Form6, S::Form8, S::Form9,
                     S::Form10}) {
        // Every button and clickable label the screen shows once its first problem is drawn.
        QStringList clickable;
        Screens probe;
        probe.open(screen);
        for (QWidget* w : probe.navigator.screen(screen)->findChildren<QWidget*>())
            if (w->isVisible() && (qobject_cast<QPushButton*>(w) || (qobject_cast<Caption*>(w) &&
                                                                     w->cursor().shape() == Qt::PointingHandCursor)))
                clickable << w->objectName();
        ASSERT_FALSE(clickable.isEmpty());
        for (const QString& name : clickable) {
            SCOPED_TRACE(testing::Message() << screenName(screen).toStdString() << " " << name.toStdString());
            Screens p;
            p.open(screen);
            QWidget* target = p.control(screen, name.toLatin1().constData());
            const bool exit = target->accessibleName() == "خروج";
            doubleClick(target);
            EXPECT_LE(p.fakes.sounds.size(), 1u);
            EXPECT_EQ(p.navigator.programEnded(), exit);
        }
    }
}

}  // namespace
