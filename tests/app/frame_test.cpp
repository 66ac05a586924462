// SPDX-License-Identifier: GPL-3.0-or-later
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QStyleHints>
#include <QTimer>

#include "../ui/ui_test_support.h"
#include "app/exercise_menu.h"
#include "app/reciprocal_menu.h"
#include "app/splash_screen.h"
#include "ui/shapes.h"

namespace {

using S = ScreenId;

// Sets the desktop's double-click interval for one test.
struct DoubleClickInterval {
    explicit DoubleClickInterval(int ms) { QGuiApplication::styleHints()->setMouseDoubleClickInterval(ms); }
    ~DoubleClickInterval() { QGuiApplication::styleHints()->setMouseDoubleClickInterval(0); }
};

class FrameTest : public ScreenTest {
protected:
    // Starts as the program does and lets the splash screen's timer fire.
    void toMenu()
    {
        navigator.showScreen(S::Form1);
        static_cast<SplashScreen*>(navigator.screen(S::Form1))->timer1Tick();
    }

    void hover(S screen, const char* name)
    {
        QWidget* target = control(screen, name);
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), target->mapToGlobal(QPointF(2, 2)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
    }

    QColor fill(const char* shape) { return control<FilledShape>(S::Form5, shape)->fill(); }
};

TEST_F(FrameTest, SplashGivesWayToTheMenuOnceAndTheMenuTakesItsPlace)
{
    navigator.showScreen(S::Form1);
    auto* splash = static_cast<SplashScreen*>(navigator.screen(S::Form1));
    EXPECT_EQ(splash->windowTitle(), "Form2");
    // The first screen stands in the middle of the desktop.
    EXPECT_EQ(splash->geometry().center(),
              QGuiApplication::primaryScreen()->availableGeometry().center());

    splash->timer1()->setInterval(1);  // the real tick, without waiting three seconds
    splash->timer1()->start();
    QTRY_VERIFY_WITH_TIMEOUT(shown(S::Form7), 1000);
    EXPECT_FALSE(splash->isVisible());
    EXPECT_FALSE(splash->timer1()->isActive());
    EXPECT_EQ(navigator.screen(S::Form7)->geometry().center(), splash->geometry().center());
}

TEST_F(FrameTest, EntriesLeadWhereTheySayAndEachScreenOpensWhereTheLastStood)
{
    toMenu();
    navigator.screen(S::Form7)->move(123, 77);  // the pupil moved the window
    struct Step {
        S from;
        const char* control;
        S to;
        bool fromStays;
        const char* title;
    };
    const Step steps[] = {
        {S::Form7, "Command1", S::Form2, false, ""},       // قسمة الكسور
        {S::Form2, "Label7", S::Form5, false, "Form5"},    // الواجهة: the reciprocal menu
        {S::Form5, "Label5", S::Form7, false, "Form5"},    // الواجهة
        {S::Form7, "Command2", S::Form5, false, "Form5"},  // مقلوب الكسر
        {S::Form5, "Label5", S::Form7, false, "Form5"},
        {S::Form7, "Command8", S::Form12, true, "Form2"},  // عن البرنامج, beside the menu
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(testing::Message() << screenName(step.from).toStdString() << " " << step.control);
        const QRect before = navigator.screen(step.from)->geometry();
        click(step.from, step.control);
        EXPECT_TRUE(shown(step.to));
        EXPECT_EQ(shown(step.from), step.fromStays);
        EXPECT_EQ(navigator.screen(step.to)->windowTitle(), step.title);
        EXPECT_EQ(navigator.screen(step.to)->geometry().center(), before.center());
    }
    click(S::Form12, "Command1");  // موافق
    EXPECT_FALSE(shown(S::Form12));
    EXPECT_TRUE(shown(S::Form7));
}

TEST_F(FrameTest, HidingOrClosingTheLastScreenEndsTheProgram)
{
    toMenu();
    click(S::Form7, "Command8");
    ScreenWindow* about = navigator.screen(S::Form12);
    // Closed through its frame, a screen only hides and opens again the same.
    about->close();
    EXPECT_FALSE(about->isVisible());
    EXPECT_FALSE(navigator.programEnded());
    click(S::Form7, "Command8");
    EXPECT_EQ(navigator.screen(S::Form12), about);
    EXPECT_TRUE(about->isVisible());

    navigator.screen(S::Form7)->close();
    EXPECT_FALSE(navigator.programEnded());  // the about screen still stands
    click(S::Form12, "Command1");
    EXPECT_TRUE(navigator.programEnded());

    Program other;
    other.navigator.showScreen(S::Form7);
    other.navigator.screen(S::Form7)->close();
    EXPECT_TRUE(other.navigator.programEnded());
}

TEST_F(FrameTest, ADoubleClickNeverLandsOnTheScreenItOpens)
{
    toMenu();
    click(S::Form7, "Command1");
    QTest::qWait(200);  // Form2 has stood a while: its own controls take clicks
    {
        const DoubleClickInterval desktop(150);
        // Form2's الواجهة and the reciprocal menu's الواجهة and خروج stand at
        // about the same places as the controls under them on the next screen.
        click(S::Form2, "Label7");
        ASSERT_TRUE(shown(S::Form5));
        click(S::Form5, "Label7");  // خروج
        click(S::Form5, "Label5");  // الواجهة
        EXPECT_FALSE(navigator.programEnded());
        EXPECT_TRUE(shown(S::Form5));
    }
    click(S::Form5, "Label5");  // a later click works
    EXPECT_TRUE(shown(S::Form7));
}

TEST_F(FrameTest, EscapeAndExitEndTheProgramOnlyWhereTheyShould)
{
    // Escape on each screen alone, or a click on its "خروج" (Label7).
    const std::tuple<S, bool, bool> cases[] = {
        {S::Form1, true, false}, {S::Form7, true, false},  {S::Form12, true, false},
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
        EXPECT_EQ(program.shown(screen), !ends);
        program.navigator.showScreen(S::Form12);  // nothing shows once the program has ended
        EXPECT_EQ(program.shown(S::Form12), !ends);
    }
    // Other keys leave the reciprocal menu as it is.
    navigator.showScreen(S::Form5);
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
        EXPECT_TRUE(frame->isVisible());
        EXPECT_TRUE(frame->geometry().contains(focused->geometry().adjusted(-2, -2, 2, 2)));
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    EXPECT_EQ(visited, QStringList({"Command1", "Command2", "Command4", "Command5", "Command8",
                                    "Command1"}));
    navigator.goTo(S::Form7, S::Form5);
    for (const char* hidden : {"Label3", "Shape3"})
        EXPECT_FALSE(control(S::Form5, hidden)->isVisible()) << hidden;
}

TEST_F(FrameTest, SiblingProgramsStartFromTheProgramFolder)
{
    toMenu();
    auto* menu = static_cast<ExerciseMenu*>(navigator.screen(S::Form7));
    EXPECT_EQ(menu->launchFolder(), QCoreApplication::applicationDirPath() + "/");
    // The entries are hidden; their handlers still say what a click would do.
    control<QPushButton>(S::Form7, "Command6")->click();
    control<QPushButton>(S::Form7, "Command7")->click();
    EXPECT_EQ(fakes.launched, std::vector<QString>({menu->launchFolder() + "brogram/velmora.exe",
                                                   menu->launchFolder() + "brogram/quindel.exe"}));
    EXPECT_TRUE(fakes.notices.empty());

    // A start that fails is told to the pupil and leaves the menu as it was;
    // the real launcher finds a missing program.
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
    const QColor normal = ReciprocalMenu::normalColour();
    const QColor light = ReciprocalMenu::highlightColour();
    EXPECT_NE(normal, light);
    EXPECT_EQ(fill("Shape3"), light);
    // Where the pointer goes, and the frames Shape1, Shape2, Shape3 afterwards.
    const std::pair<const char*, std::array<bool, 3>> moves[] = {
        {"Image1", {false, false, false}}, {"Label1", {true, false, false}},  // the title
        {"Label4", {true, true, false}},   {"Label5", {true, true, false}},
        {"Label7", {true, true, false}},   {"Image1", {false, false, false}},
        {"Label2", {true, false, false}}};
    for (const auto& [over, lit] : moves) {
        hover(S::Form5, over);
        EXPECT_EQ((std::array{fill("Shape1") == light, fill("Shape2") == light,
                              fill("Shape3") == light}),
                  lit)
            << over;
    }
    // The frames let the pointer through to the background.
    EXPECT_TRUE(control(S::Form5, "Shape1")->testAttribute(Qt::WA_TransparentForMouseEvents));
}

}  // namespace
