// SPDX-License-Identifier: GPL-3.0-or-later
// What a careless or unlucky pupil does to the screens: a megabyte pasted into every box,
// timers that fire while their screen is hidden, the program ended while a timer is armed, and
// double-clicks on everything.
#include <QClipboard>
#include <QMouseEvent>

#include "ui_test_support.h"

namespace {

using S = ScreenId;

TEST(BadInput, AMegabytePastedIntoAnyBoxIsHeldWholeOrCutAtACharacterAndJudged)
{
    // Arabic-Indic digits, emoji, digits, blanks and letters, as Ctrl+V pastes them.
    QString megabyte;
    while (megabyte.toUtf8().size() < (1 << 20))
        megabyte += QString::fromUtf8("٣😀9 ب7").repeated(4096);
    QApplication::clipboard()->setText(megabyte);
    // The box, the characters it holds (0: no limit) and what judges it.
    const std::tuple<S, const char*, int, const char*> boxes[] = {
        {S::Form2, "txtb1", 2, "step1"},
        {S::Form6, "txtm1", 2, nullptr},
        {S::Form8, "Txtnatj1", 0, "enter1"}};
    for (const auto& [screen, box, limit, button] : boxes) {
        SCOPED_TRACE(box);
        Program p;
        p.open(screen);
        if (screen == S::Form2)
            p.click(S::Form2, "step1");  // shows step 1's boxes
        auto* target = p.control<QLineEdit>(screen, box);
        target->setFocus();
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
        const QString held = target->text();
        EXPECT_EQ(held.toUcs4().size(), limit ? limit : megabyte.toUcs4().size());
        EXPECT_TRUE(megabyte.startsWith(held));
        if (button)
            p.click(screen, button);
        else
            p.key(screen, Qt::Key_Return);
        EXPECT_EQ(p.fakes.sounds, std::vector<Verdict>{Verdict::Wrong});
    }
}

// Each screen with a timer: what arms it, the timer, and the control whose text its tick sets.
using Armed = std::tuple<S, std::function<void(Program&)>, const char*, const char*, const char*>;
const Armed armedTimers[] = {
    {S::Form2, [](Program& p) { p.click(S::Form2, "step1"), p.click(S::Form2, "step1"); }, "hide1",
     "imgm1", ""},
    {S::Form3, [](Program& p) { p.click(S::Form3, "Label7"); }, "Timer1", "Label6",
     "عدد الأسئلة :  2"},
    {S::Form4, [](Program& p) { p.click(S::Form4, "Command1"); }, "Timer1", "Label6",
     "عدد الأسئلة :  2"},
    {S::Form6, [](Program& p) { p.key(S::Form6, Qt::Key_Return); }, "Timer1", "Label6",
     "عدد الأسئلة :  2"},
    {S::Form8, [](Program& p) { p.type(S::Form8, "Txtnatj1", "1"), p.click(S::Form8, "enter1"); },
     "Timerhidenatija", "Label3", ""},
};

TEST(BadInput, ATimerArmedWhenItsScreenIsLeftOrTheProgramEndsHarmsNothing)
{
    // Left for the menu while the tick comes, then back; or the program ended by Escape on the
    // screen, by "خروج" on the menu it was left for, or by closing the last screen.
    enum class End { None, Escape, Exit, Close };
    for (const auto& [screen, arm, timer, control, after] : armedTimers) {
        for (End end : {End::None, End::Escape, End::Exit, End::Close}) {
            SCOPED_TRACE(testing::Message() << testing::PrintToString(screen) << int(end));
            Program p;
            p.open(screen);
            arm(p);
            if (end == End::None || end == End::Exit)
                p.navigator.goTo(screen, S::Form7);
            if (end == End::None) {
                p.tick(screen, timer);
                p.navigator.goTo(S::Form7, screen);
                EXPECT_TRUE(p.shown(screen));
                EXPECT_EQ(p.text(screen, control), after);
                continue;
            }
            if (end == End::Escape)
                p.key(screen, Qt::Key_Escape);
            if (end == End::Exit)
                p.click(S::Form7, "Label7");
            if (end == End::Close)
                p.navigator.screen(screen)->close();
            // Form6 hands no key to its own handling while its verdict shows.
            const bool ends = !(screen == S::Form6 && end == End::Escape);
            EXPECT_EQ(p.navigator.programEnded(), ends);
            EXPECT_EQ(p.timer(screen, timer)->isActive(), !ends);
        }
    }
}

// A double-click as the window system delivers it: a click, then a second press that comes
// as a double-click, and its release, unless the click took the control away.
void doubleClick(QWidget* target)
{
    QTest::mouseClick(target, Qt::LeftButton);
    if (!target->isVisible())
        return;
    const QPointF at = QRectF(target->rect()).center();
    QMouseEvent second(QEvent::MouseButtonDblClick, at, target->mapToGlobal(at), Qt::LeftButton,
                       Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &second);
    QTest::mouseRelease(target, Qt::LeftButton);
}

TEST(BadInput, ADoubleClickOnAnyControlJudgesAtMostOnceAndOnlyExitEnds)
{
    for (S screen : everyScreen) {
        // Every button and clickable caption the screen shows once its first problem is drawn.
        QStringList clickable;
        Program probe;
        probe.open(screen);
        for (QWidget* w : probe.navigator.screen(screen)->findChildren<QWidget*>()) {
            auto* caption = qobject_cast<Caption*>(w);
            if (w->isVisible() &&
                (qobject_cast<QPushButton*>(w) || (caption && caption->clickable())))
                clickable << w->objectName();
        }
        for (const QString& name : clickable) {
            SCOPED_TRACE(testing::Message()
                         << testing::PrintToString(screen) << name.toStdString());
            Program p;
            p.fakes.noticeExpected = true;
            p.open(screen);
            QWidget* target = p.control(screen, name.toLatin1().constData());
            doubleClick(target);
            EXPECT_LE(p.fakes.sounds.size(), 1u);
            EXPECT_EQ(p.navigator.programEnded(), target->accessibleName() == "خروج");
        }
    }
}

}  // namespace
