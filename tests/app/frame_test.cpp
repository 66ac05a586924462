// SPDX-License-Identifier: GPL-3.0-or-later
#include <QMouseEvent>
#include <QScreen>
#include <QStyleHints>

#include "../ui/ui_test_support.h"
#include "app/exercise_menu.h"
#include "app/reciprocal_menu.h"
#include "app/splash_screen.h"
#include "ui/shapes.h"

namespace {

using S = ScreenId;

class FrameTest : public ScreenTest {
protected:
    // Starts as the program does and lets the splash screen's timer fire.
    void toMenu()
    {
        navigator.showScreen(S::Form1);
        static_cast<SplashScreen*>(navigator.screen(S::Form1))->timer1Tick();
    }
};

TEST_F(FrameTest, SplashGivesWayToTheMenuOnceAndEachScreenOpensWhereTheLastStood)
{
    navigator.showScreen(S::Form1);
    auto* splash = static_cast<SplashScreen*>(navigator.screen(S::Form1));
    EXPECT_EQ(splash->geometry().center(), QGuiApplication::primaryScreen()->availableGeometry().center());
    splash->timer1()->setInterval(1);  // the real tick, without waiting three seconds
    splash->timer1()->start();
    QTRY_VERIFY_WITH_TIMEOUT(shown(S::Form7), 5000);  // hang bound: the tick is 1 ms away
    EXPECT_FALSE(splash->isVisible() || splash->timer1()->isActive());

    navigator.screen(S::Form7)->move(123, 77);  // the pupil moved the window
    // From, the control clicked, to, whether "from" stays, the title of "to".
    const std::tuple<S, const char*, S, bool, const char*> steps[] = {
        {S::Form7, "Command1", S::Form2, false, ""},       // قسمة الكسور
        {S::Form2, "Label7", S::Form5, false, "Form5"},    // الواجهة: the reciprocal menu
        {S::Form5, "Label5", S::Form7, false, "Form5"},    // الواجهة
        {S::Form7, "Command2", S::Form5, false, "Form5"},  // مقلوب الكسر
        {S::Form5, "Label2", S::Form6, false, ""},         // اكتب الناتج
        {S::Form6, "Label7", S::Form7, false, "Form5"},    // الواجهة: the exercise menu
        {S::Form7, "Command8", S::Form12, true, "Form2"},  // عن البرنامج, beside the menu
    };
    for (const auto& [from, control, to, fromStays, title] : steps) {
        SCOPED_TRACE(testing::Message() << screenName(from).toStdString() << " " << control);
        const QRect before = navigator.screen(from)->geometry();
        click(from, control);
        EXPECT_TRUE(shown(to));
        EXPECT_EQ(shown(from), fromStays);
        EXPECT_EQ(navigator.screen(to)->windowTitle(), title);
        EXPECT_EQ(navigator.screen(to)->geometry().center(), before.center());
    }
    click(S::Form12, "Command1");  // موافق
    EXPECT_TRUE(!shown(S::Form12) && shown(S::Form7));
}

TEST_F(FrameTest, ClosingAScreenHidesItAndTheLastOneEndsTheProgram)
{
    toMenu();
    click(S::Form7, "Command8");
    ScreenWindow* about = navigator.screen(S::Form12);
    about->close();
    EXPECT_FALSE(about->isVisible() || navigator.programEnded());
    click(S::Form7, "Command8");  // the same screen opens again
    EXPECT_TRUE(navigator.screen(S::Form12) == about && about->isVisible());
    navigator.screen(S::Form7)->close();
    EXPECT_FALSE(navigator.programEnded());  // the about screen still stands
    click(S::Form12, "Command1");
    EXPECT_TRUE(navigator.programEnded());
}

TEST_F(FrameTest, ADoubleClickNeverLandsOnTheScreenItOpens)
{
    toMenu();
    click(S::Form7, "Command1");
    QTest::qWait(200);  // Form2 has stood a while: its own controls take clicks
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(150);
    // Form2's الواجهة and the reciprocal menu's الواجهة and خروج stand at about the same
    // places as the controls under them on the next screen.
    click(S::Form2, "Label7");
    click(S::Form5, "Label7");  // خروج
    click(S::Form5, "Label5");  // الواجهة
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(0);
    EXPECT_TRUE(shown(S::Form5) && !navigator.programEnded());
    click(S::Form5, "Label5");  // a later click works
    EXPECT_TRUE(shown(S::Form7));
}

TEST_F(FrameTest, EscapeAndExitEndTheProgramOnlyWhereTheyShould)
{
    // Escape on each screen alone, or a click on its "خروج" (Label7).
    const std::tuple<S, bool, bool> cases[] = {
        {S::Form1, true, false}, {S::Form7, true, false}, {S::Form12, true, false},
        {S::Form5, true, true},  {S::Form7, false, true}, {S::Form5, false, true}};
    for (const auto& [screen, escape, ends] : cases) {
        SCOPED_TRACE(testing::Message() << screenName(screen).toStdString() << " " << escape);
        Program program;
        program.navigator.showScreen(screen);
        if (escape)
            program.key(screen, Qt::Key_Escape);
        else
            program.click(screen, "Label7");
        EXPECT_EQ(program.navigator.programEnded(), ends);
        program.navigator.showScreen(S::Form12);  // nothing shows once the program has ended
        EXPECT_EQ(program.shown(S::Form12), !ends);
    }
    navigator.showScreen(S::Form5);  // other keys leave the reciprocal menu as it is
    for (Qt::Key other : {Qt::Key_A, Qt::Key_1, Qt::Key_Space, Qt::Key_Return})
        key(S::Form5, other);
    EXPECT_TRUE(shown(S::Form5));
}

TEST_F(FrameTest, KeyboardReachesOnlyTheShownEntriesEachFramedWhenFocused)
{
    toMenu();
    ScreenWindow* menu = navigator.screen(S::Form7);
    QApplication::setActiveWindow(menu);
    ASSERT_TRUE(QTest::qWaitForWindowActive(menu));
    QWidget* frame = control(S::Form7, "focusFrame");
    QStringList visited;
    for (int i = 0; i < 6; ++i) {
        QWidget* focused = QApplication::focusWidget();
        visited << focused->objectName();
        EXPECT_TRUE(frame->isVisible() && frame->geometry().contains(focused->geometry().adjusted(-2, -2, 2, 2)));
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    EXPECT_EQ(visited, QStringList({"Command1", "Command2", "Command4", "Command5", "Command8", "Command1"}));
    navigator.goTo(S::Form7, S::Form5);
    EXPECT_FALSE(control(S::Form5, "Label3")->isVisible() || control(S::Form5, "Shape3")->isVisible());
}

TEST_F(FrameTest, SiblingProgramsStartFromTheProgramFolderAndAFailedStartIsTold)
{
    toMenu();
    auto* menu = static_cast<ExerciseMenu*>(navigator.screen(S::Form7));
    EXPECT_EQ(menu->launchFolder(), QCoreApplication::applicationDirPath() + "/");
    // The entries are hidden; their handlers still say what a click would do.
    control<QPushButton>(S::Form7, "Command6")->click();
    control<QPushButton>(S::Form7, "Command7")->click();
    EXPECT_EQ(fakes.launched, std::vector<QString>({menu->launchFolder() + "brogram/velmora.exe",
                                                   menu->launchFolder() + "brogram/quindel.exe"}));
    // The real launcher finds a missing program; the menu stays as it was.
    Navigator real;
    real.setNoticeShower([this](QWidget*, const QString&, const QString& text) { fakes.notices.push_back(text); });
    real.launchSibling(QStringLiteral("/nonexistent/"), QStringLiteral("brogram/velmora.exe"));
    ASSERT_EQ(fakes.notices.size(), 1u);
    EXPECT_TRUE(fakes.notices[0].contains("/nonexistent/brogram/velmora.exe"));
    EXPECT_TRUE(shown(S::Form7));
}

TEST_F(FrameTest, ReciprocalMenuLightsFramesUntilThePointerCrossesTheBackground)
{
    navigator.showScreen(S::Form5);
    const QColor light = ReciprocalMenu::highlightColour();
    auto lit = [this, light] {
        return QString::number(control<FilledShape>(S::Form5, "Shape1")->fill() == light) +
               QString::number(control<FilledShape>(S::Form5, "Shape2")->fill() == light) +
               QString::number(control<FilledShape>(S::Form5, "Shape3")->fill() == light);
    };
    EXPECT_EQ(lit(), "001");  // the hidden option's frame is lit from the start
    // Where the pointer goes, and the frames Shape1, Shape2, Shape3 lit afterwards.
    const std::pair<const char*, const char*> moves[] = {
        {"Image1", "000"}, {"Label1", "100"}, {"Label4", "110"}, {"Label5", "110"},
        {"Label7", "110"}, {"Image1", "000"}, {"Label2", "100"}};
    for (const auto& [over, expected] : moves) {
        QWidget* target = control(S::Form5, over);
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), target->mapToGlobal(QPointF(2, 2)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
        EXPECT_EQ(lit(), expected) << over;
    }
}

}  // namespace
