// SPDX-License-Identifier: GPL-3.0-or-later
// The frame around the drills: the splash screen, the menus, the windows' places, the program's
// end, the keyboard on the menu and the programs the menu starts.
#include <QScreen>
#include <QStyleHints>

#include "../ui/ui_test_support.h"
#include "app/splash_screen.h"

namespace {

using S = ScreenId;
using FrameTest = ScreenTest;

TEST_F(FrameTest, SplashGivesWayToTheMenuOnceAndEachScreenOpensWhereTheLastStood)
{
    navigator.showScreen(S::Form1);
    auto* splash = static_cast<SplashScreen*>(navigator.screen(S::Form1));
    EXPECT_EQ(splash->geometry().center(),
              QGuiApplication::primaryScreen()->availableGeometry().center());
    splash->timer1()->start(1);                       // the real tick, without waiting 3 s
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
        SCOPED_TRACE(testing::Message() << testing::PrintToString(from) << " " << control);
        const QRect before = navigator.screen(from)->geometry();
        click(from, control);
        EXPECT_TRUE(shown(to) && shown(from) == fromStays);
        EXPECT_EQ(navigator.screen(to)->windowTitle(), title);
        EXPECT_EQ(navigator.screen(to)->geometry().center(), before.center());
    }
    // Closed while the menu stands, the about screen leaves the program running; closed last,
    // or left by موافق last, it ends it.
    navigator.screen(S::Form12)->close();
    EXPECT_FALSE(shown(S::Form12) || navigator.programEnded());
    click(S::Form7, "Command8");
    navigator.screen(S::Form7)->close();
    EXPECT_FALSE(navigator.programEnded());
    click(S::Form12, "Command1");  // موافق
    EXPECT_TRUE(navigator.programEnded());
}

TEST_F(FrameTest, EscapeAndExitEndTheProgramOnlyWhereTheyShouldAndADoubleClickStopsShort)
{
    // Escape on each screen alone, or a click on its "خروج" (Label7).
    const std::tuple<S, bool, bool> cases[] = {{S::Form1, true, false},  {S::Form7, true, false},
                                               {S::Form12, true, false}, {S::Form5, true, true},
                                               {S::Form7, false, true},  {S::Form5, false, true}};
    for (const auto& [screen, escape, ends] : cases) {
        SCOPED_TRACE(testing::Message() << testing::PrintToString(screen) << " " << escape);
        Program program;
        program.navigator.showScreen(screen);
        if (escape)
            program.key(screen, Qt::Key_Escape);
        else
            program.click(screen, "Label7");
        EXPECT_EQ(program.navigator.programEnded(), ends);
    }
    // A double-click on Form2's الواجهة: the second click comes while the reciprocal menu has
    // only just shown, where its خروج and الواجهة stand, and lands on neither.
    open(S::Form2);
    click(S::Form2, "Label7");
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(3'600'000);  // any second is soon
    click(S::Form5, "Label7");
    click(S::Form5, "Label5");
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(0);
    EXPECT_TRUE(shown(S::Form5) && !navigator.programEnded());
    click(S::Form5, "Label5");  // a later click works
    EXPECT_TRUE(shown(S::Form7));
}

TEST_F(FrameTest, KeyboardReachesOnlyTheShownEntriesEachFramedWhenFocused)
{
    navigator.showScreen(S::Form7);
    ScreenWindow* menu = navigator.screen(S::Form7);
    QApplication::setActiveWindow(menu);
    ASSERT_TRUE(QTest::qWaitForWindowActive(menu));
    QWidget* frame = control(S::Form7, "focusFrame");
    QStringList visited;
    for (int i = 0; i < 6; ++i) {
        QWidget* focused = QApplication::focusWidget();
        visited << focused->objectName();
        EXPECT_TRUE(frame->isVisible() &&
                    frame->geometry().contains(focused->geometry().adjusted(-2, -2, 2, 2)));
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    EXPECT_EQ(visited.join(' '), "Command1 Command2 Command4 Command5 Command8 Command1");
}

TEST_F(FrameTest, SiblingProgramsStartFromTheProgramFolderAndAFailedStartIsTold)
{
    navigator.showScreen(S::Form7);
    const QString folder = QCoreApplication::applicationDirPath() + "/";
    // The entries are hidden; their handlers still say what a click would do.
    control<QPushButton>(S::Form7, "Command6")->click();
    control<QPushButton>(S::Form7, "Command7")->click();
    EXPECT_EQ(fakes.launched, std::vector<QString>({folder + "brogram/velmora.exe",
                                                    folder + "brogram/quindel.exe"}));
    // The real launcher finds a missing program and says which.
    Navigator real;
    real.setNoticeShower(
        [this](QWidget*, const QString&, const QString& text) { fakes.notices.push_back(text); });
    real.launchSibling("/nonexistent/", "brogram/velmora.exe");
    EXPECT_TRUE(fakes.notices.size() == 1 && fakes.notices[0].contains("/nonexistent/brogram/"));
}

}  // namespace
