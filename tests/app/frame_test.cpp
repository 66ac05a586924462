#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "../ui/ui_test_support.h"
#include "app/exercise_menu.h"
#include "app/reciprocal_menu.h"
#include "app/splash_screen.h"
#include "ui/caption.h"
#include "ui/geometry.h"
#include "ui/shapes.h"

namespace {

class FrameTest : public ScreenTest {
protected:
    // Starts as the program does and lets the splash screen's timer fire.
    void toMenu()
    {
        navigator.showScreen(ScreenId::Form1);
        static_cast<SplashScreen*>(navigator.screen(ScreenId::Form1))->timer1Tick();
    }

    void click(ScreenId screen, const char* name)
    {
        QWidget* target = control(screen, name);
        ASSERT_NE(target, nullptr) << name;
        ASSERT_TRUE(target->isVisible()) << name;
        QTest::mouseClick(target, Qt::LeftButton);
    }

    void pressEscape(ScreenId screen)
    {
        QWidget* window = navigator.screen(screen);
        QWidget* receiver = window->focusWidget() ? window->focusWidget() : window;
        QTest::keyClick(receiver, Qt::Key_Escape);
    }

    void hover(ScreenId screen, const char* name)
    {
        QWidget* target = control(screen, name);
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), target->mapToGlobal(QPointF(2, 2)),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
    }

    QColor fill(const char* shape) { return control<FilledShape>(ScreenId::Form5, shape)->fill(); }
};

TEST_F(FrameTest, SplashGivesWayToTheMenuOnceAndForAll)
{
    navigator.showScreen(ScreenId::Form1);
    auto* splash = static_cast<SplashScreen*>(navigator.screen(ScreenId::Form1));
    EXPECT_EQ(splash->windowTitle(), "Form2");
    EXPECT_EQ(splash->size(), QSize(418, 458));
    EXPECT_TRUE(splash->timer1()->isActive());
    EXPECT_EQ(splash->timer1()->interval(), 3000);
    EXPECT_EQ(navigator.screen(ScreenId::Form7), nullptr);

    splash->timer1Tick();
    EXPECT_TRUE(shown(ScreenId::Form7));
    EXPECT_FALSE(splash->isVisible());
    EXPECT_FALSE(splash->timer1()->isActive());
    QTest::qWait(5);
    EXPECT_FALSE(splash->timer1()->isActive());
    EXPECT_FALSE(splash->isVisible());
}

TEST_F(FrameTest, SplashTimerReallyFiresOnItsOwn)
{
    navigator.showScreen(ScreenId::Form1);
    auto* splash = static_cast<SplashScreen*>(navigator.screen(ScreenId::Form1));
    splash->timer1()->setInterval(1);  // the real tick, without waiting three seconds
    splash->timer1()->start();
    QTRY_VERIFY_WITH_TIMEOUT(shown(ScreenId::Form7), 1000);
    EXPECT_FALSE(splash->isVisible());
    EXPECT_FALSE(splash->timer1()->isActive());
}

TEST_F(FrameTest, ExerciseMenuEntriesLeadWhereTheySay)
{
    toMenu();
    ScreenWindow* menu = navigator.screen(ScreenId::Form7);
    EXPECT_EQ(menu->windowTitle(), "Form5");
    EXPECT_EQ(menu->size(), QSize(800, 600));
    EXPECT_EQ(control(ScreenId::Form7, "Command1")->geometry(), twips(3953, 2040, 4095, 615));
    EXPECT_EQ(control<QGroupBox>(ScreenId::Form7, "Frame1")->accessibleName(),
              "اختر التمرين المناسب ");

    click(ScreenId::Form7, "Command1");
    EXPECT_TRUE(shown(ScreenId::Form2));
    EXPECT_FALSE(shown(ScreenId::Form7));
    navigator.goTo(ScreenId::Form2, ScreenId::Form7);

    click(ScreenId::Form7, "Command2");
    EXPECT_TRUE(shown(ScreenId::Form5));
    EXPECT_FALSE(shown(ScreenId::Form7));
    click(ScreenId::Form5, "Label5");  // الواجهة
    EXPECT_TRUE(shown(ScreenId::Form7));
    EXPECT_FALSE(shown(ScreenId::Form5));

    // Entries whose screens are not part of the program yet do nothing.
    for (const char* entry : {"Command4", "Command5"}) {
        click(ScreenId::Form7, entry);
        EXPECT_TRUE(shown(ScreenId::Form7)) << entry;
    }
}

TEST_F(FrameTest, AboutScreenOpensBesideTheMenuAndComesBackTheSame)
{
    toMenu();
    click(ScreenId::Form7, "Command8");
    ScreenWindow* about = navigator.screen(ScreenId::Form12);
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_TRUE(shown(ScreenId::Form7));
    EXPECT_EQ(about->windowTitle(), "Form2");
    EXPECT_EQ(about->size(), QSize(418, 478));

    click(ScreenId::Form7, "Command8");
    EXPECT_EQ(navigator.screen(ScreenId::Form12), about);

    click(ScreenId::Form12, "Command1");  // موافق
    EXPECT_FALSE(about->isVisible());
    EXPECT_TRUE(shown(ScreenId::Form7));

    // Closed through its window frame, it only hides and opens again.
    click(ScreenId::Form7, "Command8");
    about->close();
    EXPECT_FALSE(about->isVisible());
    click(ScreenId::Form7, "Command8");
    EXPECT_EQ(navigator.screen(ScreenId::Form12), about);
    EXPECT_TRUE(about->isVisible());
}

TEST_F(FrameTest, HiddenEntriesAreOutOfReachOfTheTabKey)
{
    toMenu();
    ScreenWindow* menu = navigator.screen(ScreenId::Form7);
    QApplication::setActiveWindow(menu);
    ASSERT_TRUE(QTest::qWaitForWindowActive(menu));
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "Command1");
    QStringList visited;
    for (int i = 0; i < 6; ++i) {
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(visited, QStringList({"Command1", "Command2", "Command4", "Command5", "Command8",
                                    "Command1"}));
    for (const char* hidden : {"Command3", "Command6", "Command7"})
        EXPECT_FALSE(control(ScreenId::Form7, hidden)->isVisible()) << hidden;
    navigator.goTo(ScreenId::Form7, ScreenId::Form5);
    EXPECT_FALSE(control(ScreenId::Form5, "Label3")->isVisible());
    EXPECT_FALSE(control(ScreenId::Form5, "Shape3")->isVisible());
}

TEST_F(FrameTest, SiblingProgramsStartFromTheProgramFolder)
{
    toMenu();
    auto* menu = static_cast<ExerciseMenu*>(navigator.screen(ScreenId::Form7));
    EXPECT_EQ(menu->launchFolder(), QCoreApplication::applicationDirPath() + "/");
    // The entries are hidden; their handlers still say what a click would do.
    control<QPushButton>(ScreenId::Form7, "Command6")->click();
    control<QPushButton>(ScreenId::Form7, "Command7")->click();
    ASSERT_EQ(fakes.launched.size(), 2u);
    EXPECT_EQ(fakes.launched[0], menu->launchFolder() + "brogram/velmora.exe");
    EXPECT_EQ(fakes.launched[1], menu->launchFolder() + "brogram/quindel.exe");
    EXPECT_TRUE(fakes.failures.empty());

    // A start that fails is told to the pupil and leaves the menu as it was.
    fakes.launchSucceeds = false;
    control<QPushButton>(ScreenId::Form7, "Command6")->click();
    ASSERT_EQ(fakes.failures.size(), 1u);
    EXPECT_TRUE(fakes.failures[0].contains("brogram/velmora.exe"));
    EXPECT_TRUE(shown(ScreenId::Form7));
    EXPECT_FALSE(navigator.programEnded());
}

TEST_F(FrameTest, TheRealLauncherReportsAMissingProgram)
{
    Navigator real;
    std::vector<QString> failures;
    real.setFailureReporter([&failures](QWidget*, const QString& message) {
        failures.push_back(message);
    });
    real.launchSibling(QStringLiteral("/nonexistent/"), QStringLiteral("brogram/velmora.exe"));
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_TRUE(failures[0].contains("/nonexistent/brogram/velmora.exe"));
}

TEST(LaunchFolder, EndsInExactlyOneSeparator)
{
    EXPECT_EQ(withTrailingSeparator("/usr/lib/qisma"), "/usr/lib/qisma/");
    EXPECT_EQ(withTrailingSeparator("/usr/lib/qisma/"), "/usr/lib/qisma/");
    EXPECT_EQ(withTrailingSeparator("/"), "/");
}

TEST_F(FrameTest, ReciprocalMenuLightsFramesUntilThePointerCrossesTheBackground)
{
    toMenu();
    click(ScreenId::Form7, "Command2");
    const QColor normal = ReciprocalMenu::normalColour();
    const QColor light = ReciprocalMenu::highlightColour();
    EXPECT_NE(normal, light);
    EXPECT_EQ(fill("Shape1"), normal);
    EXPECT_EQ(fill("Shape2"), normal);
    EXPECT_EQ(fill("Shape3"), light);

    hover(ScreenId::Form5, "Image1");
    EXPECT_EQ(fill("Shape3"), normal);
    hover(ScreenId::Form5, "Label1");  // the title lights the frame of "اكتب الناتج"
    EXPECT_EQ(fill("Shape1"), light);
    hover(ScreenId::Form5, "Label4");
    EXPECT_EQ(fill("Shape2"), light);
    EXPECT_EQ(fill("Shape1"), light);  // nothing but the background puts it back
    for (const char* still : {"Label5", "Label7"}) {
        hover(ScreenId::Form5, still);
        EXPECT_EQ(fill("Shape1"), light) << still;
    }
    hover(ScreenId::Form5, "Image1");
    for (const char* shape : {"Shape1", "Shape2", "Shape3"})
        EXPECT_EQ(fill(shape), normal) << shape;

    // The frames let the pointer through to the background.
    QWidget* frame = control(ScreenId::Form5, "Shape1");
    EXPECT_TRUE(frame->testAttribute(Qt::WA_TransparentForMouseEvents));
}

TEST_F(FrameTest, ReciprocalMenuOptionsLeadToTheirScreens)
{
    toMenu();
    click(ScreenId::Form7, "Command2");
    // "اكتب الناتج" and the right-or-wrong option lead to screens that are
    // not part of the program yet: nothing happens.
    click(ScreenId::Form5, "Label2");
    click(ScreenId::Form5, "Label4");
    EXPECT_TRUE(shown(ScreenId::Form5));
    click(ScreenId::Form5, "Label7");  // خروج
    EXPECT_TRUE(navigator.programEnded());
}

TEST_F(FrameTest, EscapeEndsTheProgramOnlyWhereItShould)
{
    toMenu();
    pressEscape(ScreenId::Form7);
    click(ScreenId::Form7, "Command8");
    pressEscape(ScreenId::Form12);
    QTest::keyClick(navigator.screen(ScreenId::Form1), Qt::Key_Escape);
    EXPECT_FALSE(navigator.programEnded());

    click(ScreenId::Form7, "Command2");
    // Other keys leave the reciprocal menu as it is.
    QTest::keyClicks(navigator.screen(ScreenId::Form5), "a1 ");
    QTest::keyClick(navigator.screen(ScreenId::Form5), Qt::Key_Return);
    EXPECT_TRUE(shown(ScreenId::Form5));
    EXPECT_FALSE(navigator.programEnded());
    pressEscape(ScreenId::Form5);
    EXPECT_TRUE(navigator.programEnded());
    // Every screen is gone and no timer runs any more.
    for (ScreenId id : {ScreenId::Form1, ScreenId::Form5, ScreenId::Form7, ScreenId::Form12})
        EXPECT_FALSE(shown(id));
}

TEST_F(FrameTest, ExitOnTheExerciseMenuEndsTheProgram)
{
    toMenu();
    click(ScreenId::Form7, "Label7");
    EXPECT_TRUE(navigator.programEnded());
    EXPECT_FALSE(shown(ScreenId::Form7));
    // Nothing can be shown once the program has ended.
    navigator.showScreen(ScreenId::Form12);
    EXPECT_FALSE(shown(ScreenId::Form12));
}

}  // namespace
