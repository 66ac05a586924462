// SPDX-License-Identifier: GPL-3.0-or-later
// Each drill screen through 1 000 questions answered through its widgets, right and wrong,
// painted every twentieth: resident memory stays flat once the screen has warmed up (its
// pictures rendered, its fonts' glyphs cached).
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTimer>
#include <random>

#include "drills/fact_cards/fact_card_screen.h"
#include "drills/fraction_division/form2.h"
#include "drills/reciprocal_menu/form3.h"
#include "drills/reciprocal_menu/form4.h"
#include "drills/reciprocal_menu/form6.h"
#include "drills/whole_division/form8.h"
#include "../resident_memory.h"
#include "ui/caption.h"
#include "ui_test_support.h"

namespace {

using S = ScreenId;

// Stops a timer the screen armed and runs its tick, as if its time had come.
template <typename Tick>
void fire(QTimer* timer, Tick tick)
{
    ASSERT_TRUE(timer->isActive());
    timer->stop();
    tick();
}

// One screen a test, so that the screens run side by side.
class ScreenSoak : public ::testing::TestWithParam<S> {};

TEST_P(ScreenSoak, AThousandQuestionsKeepMemoryFlat)
{
    constexpr int questions = 1000, warmUp = 100;
    // Allowed growth after warm-up: a few pages of allocator and cache noise. Keeping the
    // screen's old texts, pictures or events would take far more.
    constexpr long flatKiB = 1024;
    std::mt19937 pupil(7);
    auto chance = [&pupil](int percent) { return int(pupil() % 100) < percent; };
    auto number = [](int n) { return QString::number(n); };
    using Ask = std::function<void(Program&)>;
    const std::pair<S, Ask> screens[] = {
        {S::Form2, [&](Program& p) {
             auto* form = static_cast<Form2*>(p.navigator.screen(S::Form2));
             const auto& d = form->drill();
             const QString right[4][2] = {{number(d.b1()), number(d.m1())}, {"×", ""}, {number(d.m2()), number(d.b2())},
                                          {number(d.b1() * d.m2()), number(d.m1() * d.b2())}};
             const char* boxes[4][2] = {{"txtb1", "txtm1"}, {"txtamalya", nullptr}, {"txtb2", "txtm2"}, {"txtb3", "txtm3"}};
             p.click(S::Form2, "step1");
             for (int step = 0; step < 4; ++step) {
                 const QByteArray button = "step" + QByteArray::number(step + 1);
                 const auto timer = Form2::Timer(step + 1);
                 for (bool wrong = chance(30);; wrong = false) {
                     for (int i = 0; i < 2 && boxes[step][i]; ++i)
                         p.control<QLineEdit>(S::Form2, boxes[step][i])->setText(wrong ? "0" : right[step][i]);
                     p.click(S::Form2, button.constData());
                     fire(form->timer(timer), [&] { form->timerTick(timer); });
                     if (!wrong)
                         break;
                 }
             }
             p.click(S::Form2, "cnew");
             fire(form->timer(Form2::Timer::Timer1), [&] { form->timerTick(Form2::Timer::Timer1); });
         }},
        {S::Form3, [&](Program& p) {
             auto* form = static_cast<Form3*>(p.navigator.screen(S::Form3));
             p.click(S::Form3, chance(50) ? "Label7" : "Label8");
             fire(form->timer(), [&] { form->timerTick(); });
         }},
        {S::Form4, [&](Program& p) {
             auto* form = static_cast<Form4*>(p.navigator.screen(S::Form4));
             p.click(S::Form4, QByteArray("Command" + QByteArray::number(1 + pupil() % 3)).constData());
             fire(form->pauseTimer(), [&] { form->timerTick(); });
         }},
        {S::Form6, [&](Program& p) {
             auto* form = static_cast<Form6*>(p.navigator.screen(S::Form6));
             p.control<QLineEdit>(S::Form6, "txtb1")->setText(number(form->drill().m1()));
             p.control<QLineEdit>(S::Form6, "txtm1")->setText(number(chance(70) ? form->drill().b1() : 0));
             p.key(S::Form6, Qt::Key_Return);
             fire(form->pauseTimer(), [&] { form->pauseEnded(); });
         }},
        {S::Form8, [&](Program& p) {
             auto* form = static_cast<Form8*>(p.navigator.screen(S::Form8));
             p.click(S::Form8, "Comq");
             fire(form->timer(Form8::Timer::Timer1), [&] { form->timerTick(Form8::Timer::Timer1); });
             const auto& d = form->drill();
             const std::pair<const char*, int> steps[] = {{"Txtnatj1", d.quotient()},
                                                          {"Txtnatj2", d.quotient() * d.divisor()},
                                                          {"Txtnatj3", d.remainder()}};
             int step = 1;
             for (const auto& [box, right] : steps) {
                 const QByteArray button = "enter" + QByteArray::number(step++);
                 for (bool wrong = chance(30);; wrong = false) {
                     p.control<QLineEdit>(S::Form8, box)->setText(number(wrong ? right + 1 : right));
                     p.click(S::Form8, button.constData());
                     if (!wrong)
                         break;
                 }
             }
             fire(form->timer(Form8::Timer::Timerhidenatija), [&] { form->timerTick(Form8::Timer::Timerhidenatija); });
         }},
        {S::Form9, [](Program& p) { p.key(S::Form9, Qt::Key_Space); p.key(S::Form9, Qt::Key_Return); }},
        {S::Form10, [](Program& p) { p.key(S::Form10, Qt::Key_Space); p.key(S::Form10, Qt::Key_Return); }},
    };
    for (const auto& [screen, ask] : screens) {
        if (screen != GetParam())
            continue;
        Program p;
        p.navigator.setRandomSourceMaker([] { return std::make_unique<ClockRandomSource>(20240613); });
        p.navigator.showScreen(S::Form7);
        p.navigator.goTo(S::Form7, screen);
        if (screen == S::Form2) {
            auto* form = static_cast<Form2*>(p.navigator.screen(S::Form2));
            fire(form->timer(Form2::Timer::Timer1), [&] { form->timerTick(Form2::Timer::Timer1); });
        }
        long warm = 0;
        QElapsedTimer clock;
        clock.start();
        for (int question = 1; question <= questions; ++question) {
            ask(p);
            if (HasFatalFailure())
                return;
            if (question % 20 == 0)
                QCoreApplication::processEvents();  // paints the screen as it stands
            if (question == warmUp)
                warm = residentKiB();
        }
        const long end = residentKiB();
        std::printf("[ memory ] %s: %ld KiB resident after %d questions, %ld after %d (%lld ms)\n",
                    screenName(screen).toUtf8().constData(), warm, warmUp, end, questions, clock.elapsed());
        if (residentMemoryTells) {
            EXPECT_LE(end - warm, flatKiB);
        }
        if (auto* label6 = p.control<Caption>(screen, "Label6")) {  // every question was counted
            const int perQuestion = screen == S::Form2 ? 7 : 1;
            EXPECT_EQ(label6->caption(), "عدد الأسئلة :  " + number(perQuestion * questions + (screen == S::Form2 ? 2 : screen == S::Form8 ? 0 : 1)));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryDrillScreen, ScreenSoak,
                         ::testing::Values(S::Form2, S::Form3, S::Form4, S::Form6, S::Form8, S::Form9, S::Form10),
                         [](const auto& info) { return screenName(info.param).toStdString(); });

}  // namespace
