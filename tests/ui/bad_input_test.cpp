// What a careless or unlucky pupil does to the screens: a megabyte pasted into every box.
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
using F2 = Form2::Timer;
using F8 = Form8::Timer;

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
            tick(S::Form2, F2::Timer1);
        if (screen == S::Form8) {
            click(S::Form8, "Comq");
            tick(S::Form8, F8::Timer1);
        }
    }
    // A timer's tick, without waiting for it.
    void tick(S screen, F2 which)
    {
        ASSERT_TRUE(form<Form2>(screen)->timer(which)->isActive());
        form<Form2>(screen)->timer(which)->stop();
        form<Form2>(screen)->timerTick(which);
    }
    void tick(S screen, F8 which)
    {
        ASSERT_TRUE(form<Form8>(screen)->timer(which)->isActive());
        form<Form8>(screen)->timer(which)->stop();
        form<Form8>(screen)->timerTick(which);
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

}  // namespace
