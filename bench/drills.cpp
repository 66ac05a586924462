// SPDX-License-Identifier: GPL-3.0-or-later
// Figures for the drills, printed as tables; it measures and checks nothing.
//
//   bench_drills [--answers N] [--logic-answers N] [--pastes N]
//
//  - Paste: a megabyte of random text pasted with Ctrl+V into each answer box that takes
//    typing, then checked with the box's button (Enter on Form6), timed.
//  - Screens: each drill screen through N answers (default 1 000) given through its real
//    widgets, with resident memory before, after a tenth of them and at the end.
//  - Handlers: every click, key and timer tick of those runs timed, the slowest of each kind
//    printed beside the budget of one frame.
//  - Logic: each drill's logic alone through N answers (default 100 000), memory as above.
//
// The pupil answers at random from a fixed seed, with numbers of about the size each box
// asks for, so that some answers are right and the problems of many steps move on. No
// answer is worked out from the problem. The sound player returns at once, the drills draw
// from a fixed seed, and ticks are fired at once instead of waited for.
#include <QApplication>
#include <QClipboard>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QStyleHints>
#include <QTest>
#include <QTimer>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "app/navigator.h"
#include "app/screens.h"
#include "common/random_source.h"
#include "drills/fact_cards/fact_cards.h"
#include "drills/fraction_division/fraction_division_drill.h"
#include "drills/reciprocal_menu/quotient_choice_drill.h"
#include "drills/reciprocal_menu/reciprocal_entry_drill.h"
#include "drills/reciprocal_menu/reciprocal_mark_drill.h"
#include "drills/whole_division/division_drill.h"
#include "ui/drill_screen.h"

namespace {

using S = ScreenId;
constexpr std::uint64_t seed = 20240613;
constexpr double frameMs = 16.0;

// The resident memory of this process, in KiB.
long residentKiB()
{
    long size = 0, pages = 0;
    std::ifstream("/proc/self/statm") >> size >> pages;
    return pages * (sysconf(_SC_PAGESIZE) / 1024);
}

double msSince(const QElapsedTimer& clock) { return clock.nsecsElapsed() / 1e6; }

// Random answers from a fixed seed.
class Pupil {
public:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_engine); }
    bool chance(int percent) { return below(100) < percent; }
    std::string number(int least, int most)
    {
        return std::to_string(least + below(most - least + 1));
    }
    // A sign for the fraction screen's operation box, right or not.
    std::string sign()
    {
        static const char* const signs[] = {"×", "*", "x", "÷"};
        return signs[below(4)];
    }

private:
    std::mt19937 m_engine{seed};
};

// Memory at the start, after a tenth of the answers and at the end of one run, and its time.
struct Memory {
    long before = 0, warm = 0, after = 0;
    double seconds = 0;
};

// Runs `answer` n times, sampling memory.
Memory soak(int n, const std::function<void()>& answer)
{
    Memory memory{residentKiB()};
    QElapsedTimer clock;
    clock.start();
    for (int i = 1; i <= n; ++i) {
        answer();
        if (i == std::max(1, n / 10))
            memory.warm = residentKiB();
    }
    memory.seconds = msSince(clock) / 1000;
    memory.after = residentKiB();
    return memory;
}

void printMemoryHeader(const char* what)
{
    std::printf("%-27s %8s %10s %10s %10s %8s %10s %8s\n", what, "answers", "before KiB", "at 1/10",
                "after", "growth", "since 1/10", "seconds");
}

void printMemory(const QString& name, int n, const Memory& m)
{
    std::printf("%-27s %8d %10ld %10ld %10ld %8ld %10ld %8.1f\n", name.toUtf8().constData(), n,
                m.before, m.warm, m.after, m.after - m.before, m.after - m.warm, m.seconds);
}

// The times of each kind of event on each screen.
class Stopwatch {
public:
    template <typename Handler>
    void time(S screen, const QString& event, Handler handler)
    {
        QElapsedTimer clock;
        clock.start();
        handler();
        const double ms = msSince(clock);
        auto row = std::find_if(m_rows.begin(), m_rows.end(), [&](const Row& r) {
            return r.screen == screen && r.event == event;
        });
        if (row == m_rows.end())
            row = m_rows.insert(m_rows.end(), Row{screen, event, {}});
        row->ms.push_back(ms);
    }

    // The screens in their own order, each screen's events in the order first seen; the
    // median beside the slowest tells a steady cost from a single stall.
    void print() const
    {
        std::vector<Row> rows = m_rows;
        std::stable_sort(rows.begin(), rows.end(),
                         [](const Row& a, const Row& b) { return a.screen < b.screen; });
        std::printf("%-7s %-24s %6s %10s %11s %10s\n", "screen", "event", "runs", "median ms",
                    "slowest ms", "budget ms");
        for (Row& r : rows) {
            std::sort(r.ms.begin(), r.ms.end());
            std::printf("%-7s %-24s %6zu %10.3f %11.3f %10.0f%s\n",
                        screenName(r.screen).toUtf8().constData(), r.event.toUtf8().constData(),
                        r.ms.size(), r.ms[r.ms.size() / 2], r.ms.back(), frameMs,
                        r.ms.back() > frameMs ? "  OVER" : "");
        }
    }

private:
    struct Row {
        S screen;
        QString event;
        std::vector<double> ms;
    };
    std::vector<Row> m_rows;
};

// The program's screens behind a navigator whose sound returns at once, whose drills draw
// from a fixed seed and whose message boxes and sibling programs do nothing. Every click,
// key and tick goes through the stopwatch.
struct Program {
    explicit Program(Stopwatch& watch) : watch(watch)
    {
        navigator.setSoundPlayer([](Verdict) {});
        navigator.setRandomSourceMaker([] { return std::make_unique<ClockRandomSource>(seed); });
        navigator.setLauncher([](const QString&) { return true; });
        navigator.setNoticeShower([](QWidget*, const QString&, const QString&) {});
        registerScreens(navigator);
    }

    template <typename T = QWidget>
    T* control(S screen, const QString& name)
    {
        QWidget* window = navigator.screen(screen);
        return window ? window->findChild<T*>(name) : nullptr;
    }
    bool shown(S screen, const QString& name)
    {
        QWidget* found = control(screen, name);
        return found && found->isVisible();
    }
    bool shown(S screen)
    {
        return navigator.screen(screen) && navigator.screen(screen)->isVisible();
    }

    void click(S screen, const QString& name)
    {
        QWidget* target = control(screen, name);
        watch.time(screen, "click " + name,
                   [target] { QTest::mouseClick(target, Qt::LeftButton); });
    }
    // A key to the focused control, or to the window when none has the focus.
    void key(S screen, Qt::Key which, const QString& event)
    {
        QWidget* window = navigator.screen(screen);
        QWidget* focused = window->focusWidget();
        QWidget* target = focused && focused->isVisible() ? focused : window;
        watch.time(screen, event, [target, which] { QTest::keyClick(target, which); });
    }
    // Types the text into the box one key at a time.
    void type(S screen, const QString& box, const std::string& text)
    {
        QWidget* target = control(screen, box);
        for (const QChar c : QString::fromStdString(text))
            watch.time(screen, "key (typing)", [&] { QTest::keyClick(target, c.toLatin1()); });
    }
    // A running timer's tick, without waiting for it.
    void tick(S screen, const QString& name)
    {
        auto* timer = control<QTimer>(screen, name);
        if (!timer || !timer->isActive())
            return;
        auto* window = static_cast<DrillScreen*>(navigator.screen(screen));
        watch.time(screen, "tick " + name, [&] { window->fireTimer(name); });
    }

    Stopwatch& watch;
    Navigator navigator;
};

// One answer on each drill screen, with the ticks that follow it.

void answerForm2(Program& p, Pupil& pupil)
{
    const QString boxes[4][2] = {
        {"txtb1", "txtm1"}, {"txtamalya", ""}, {"txtb2", "txtm2"}, {"txtb3", "txtm3"}};
    auto button = [](int step) { return QStringLiteral("step%1").arg(step); };
    int step = 1;
    while (step <= 4 && !p.shown(S::Form2, button(step)))
        ++step;
    if (step > 4) {  // solved: a new problem
        p.click(S::Form2, "cnew");
        p.tick(S::Form2, "Timer1");
        step = 1;
    }
    if (!p.shown(S::Form2, boxes[step - 1][0]))
        p.click(S::Form2, button(step));  // opens the step
    for (const QString& box : boxes[step - 1]) {
        if (!box.isEmpty() && p.control<QLineEdit>(S::Form2, box)->text().isEmpty())
            p.type(S::Form2, box, step == 2 ? pupil.sign() : pupil.number(1, step == 4 ? 100 : 10));
    }
    p.click(S::Form2, button(step));
    p.tick(S::Form2, QStringLiteral("hide%1").arg(step));
    if (pupil.chance(4))
        p.click(S::Form2, "Comhelp");
}

void answerForm3(Program& p, Pupil& pupil)
{
    p.click(S::Form3, pupil.chance(50) ? "Label7" : "Label8");  // "صح" or "خطأ"
    p.tick(S::Form3, "Timer1");
}

void answerForm4(Program& p, Pupil& pupil)
{
    p.click(S::Form4, QStringLiteral("Command%1").arg(1 + pupil.below(3)));  // one of three
    p.tick(S::Form4, "Timer1");
}

void answerForm6(Program& p, Pupil& pupil)
{
    p.type(S::Form6, "txtb1", pupil.number(1, 20));
    p.type(S::Form6, "txtm1", pupil.number(1, 20));
    p.control(S::Form6, "txtm1")->setFocus();  // where the pupil typed last
    p.key(S::Form6, Qt::Key_Return, "key Enter");
    p.tick(S::Form6, "Timer1");
}

void answerForm8(Program& p, Pupil& pupil)
{
    int step = 1;
    while (step <= 3 && !p.shown(S::Form8, QStringLiteral("enter%1").arg(step)))
        ++step;
    if (step > 3) {  // none drawn yet, or solved: a new problem
        p.click(S::Form8, "Comq");
        p.tick(S::Form8, "Timer1");
        step = 1;
    }
    const QString box = QStringLiteral("Txtnatj%1").arg(step);
    if (p.control<QLineEdit>(S::Form8, box)->text().isEmpty())
        p.type(S::Form8, box, pupil.number(0, step == 2 ? 99 : 9));
    p.click(S::Form8, QStringLiteral("enter%1").arg(step));
    p.tick(S::Form8, "Timerhidenatija");
    if (pupil.chance(4))
        p.click(S::Form8, "Comhelp");
}

void answerFactCard(Program& p, S screen)
{
    p.key(screen, Qt::Key_Space, "key Space");
    p.key(screen, Qt::Key_Return, "key Enter");
}

// A drill screen, how a pupil reaches it from the exercise menu and how it is answered.
struct DrillScreenRun {
    S screen;
    // Clicks from the exercise menu on; a menu without a control is a hidden entry, which
    // no pupil can click: the navigator goes from that menu to the screen instead.
    std::vector<std::pair<S, QString>> wayIn;
    QString home;  // the "الواجهة" label
    std::function<void(Program&, Pupil&)> answer;
};

void walkIn(Program& p, const DrillScreenRun& run)
{
    for (const auto& [menu, control] : run.wayIn) {
        if (control.isEmpty())
            p.navigator.goTo(menu, run.screen);
        else
            p.click(menu, control);
    }
}

// Each drill screen through `answers` answers; every fiftieth, out to the menus and back.
void screenRuns(int answers, Stopwatch& watch)
{
    const std::vector<DrillScreenRun> runs = {
        {S::Form2, {{S::Form7, "Command1"}}, "Label7", answerForm2},
        {S::Form3, {{S::Form7, "Command2"}, {S::Form5, "Label4"}}, "Label11", answerForm3},
        {S::Form4, {{S::Form7, "Command2"}, {S::Form5, ""}}, "Label7", answerForm4},
        {S::Form6, {{S::Form7, "Command2"}, {S::Form5, "Label2"}}, "Label7", answerForm6},
        {S::Form8, {{S::Form7, ""}}, "Label7", answerForm8},
        {S::Form9,
         {{S::Form7, "Command4"}},
         "Label7",
         [](Program& p, Pupil&) { answerFactCard(p, S::Form9); }},
        {S::Form10,
         {{S::Form7, "Command5"}},
         "Label7",
         [](Program& p, Pupil&) { answerFactCard(p, S::Form10); }},
    };
    std::printf("\nScreens: resident memory over %d answers on each drill screen\n", answers);
    printMemoryHeader("screen");
    for (const DrillScreenRun& run : runs) {
        Program p(watch);
        Pupil pupil;
        p.navigator.showScreen(S::Form7);
        walkIn(p, run);
        p.tick(S::Form2, "Timer1");  // the fraction screen draws its first problem
        QApplication::processEvents();
        int answered = 0;
        const Memory memory = soak(answers, [&] {
            run.answer(p, pupil);
            if (++answered % 50 == 0) {
                p.click(run.screen, run.home);
                if (p.shown(S::Form5))
                    p.click(S::Form5, "Label5");
                walkIn(p, run);
            }
            // What the handlers changed is painted when the event loop next runs.
            watch.time(run.screen, "paint (queued updates)", [] { QApplication::processEvents(); });
        });
        printMemory(screenName(run.screen), answers, memory);
    }
}

// A megabyte of random text: digits, Arabic-Indic digits, Arabic and Latin letters, blanks
// and emoji.
QString randomMegabyte()
{
    const std::u32string alphabet = U"0123456789٠١٢٣٤٥٦٧٨٩ابتثجحخدذرسشصضطظعغفقكلمنهوي abcxyz\t😀🍎";
    Pupil pupil;
    std::u32string text;
    QString out;
    while (out.toUtf8().size() < (1 << 20)) {
        for (int i = 0; i < 65536; ++i)
            text += alphabet[std::size_t(pupil.below(int(alphabet.size())))];
        out = QString::fromStdU32String(text);
    }
    return out;
}

void pasteRuns(int runs)
{
    QApplication::clipboard()->setText(randomMegabyte());
    struct Box {
        S screen;
        QString box;
        QString button;  // empty: Enter
    };
    const Box boxes[] = {{S::Form2, "txtb1", "step1"},
                         {S::Form6, "txtb1", ""},
                         {S::Form6, "txtm1", ""},
                         {S::Form8, "Txtnatj1", "enter1"}};
    std::printf("\nPaste: a megabyte pasted with Ctrl+V, painted, then checked; median and "
                "slowest of %d runs in ms, each in a fresh program\n",
                runs);
    std::printf("%-7s %-9s %9s %9s %9s %9s %9s %9s %7s\n", "screen", "box", "paste", "(max)",
                "paint", "(max)", "check", "(max)", "held");
    for (const Box& b : boxes) {
        std::vector<double> times[3];  // paste, paint, check
        int held = 0;
        for (int i = 0; i < runs; ++i) {
            Stopwatch unused;
            Program p(unused);
            p.navigator.showScreen(b.screen);
            p.tick(S::Form2, "Timer1");  // Form2's first problem; no such timer elsewhere
            if (b.screen == S::Form2)
                p.click(S::Form2, "step1");
            if (b.screen == S::Form8) {
                p.click(S::Form8, "Comq");
                p.tick(S::Form8, "Timer1");
            }
            auto* target = p.control<QLineEdit>(b.screen, b.box);
            target->setFocus();
            QApplication::processEvents();  // the screen on show, as the pupil sees it
            QElapsedTimer clock;
            clock.start();
            QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
            times[0].push_back(msSince(clock));
            held = int(target->text().size());
            clock.restart();
            QApplication::processEvents();
            times[1].push_back(msSince(clock));
            clock.restart();
            if (b.button.isEmpty())
                QTest::keyClick(target, Qt::Key_Return);
            else
                QTest::mouseClick(p.control(b.screen, b.button), Qt::LeftButton);
            times[2].push_back(msSince(clock));
        }
        std::printf("%-7s %-9s", screenName(b.screen).toUtf8().constData(),
                    b.box.toUtf8().constData());
        for (std::vector<double>& t : times) {
            std::sort(t.begin(), t.end());
            std::printf(" %9.3f %9.3f", t[t.size() / 2], t.back());
        }
        std::printf(" %7d\n", held);
    }
}

// The logic alone. Feedback records the verdicts and plays nothing; the requests a screen
// would carry out are taken after each operation, and boxes it would empty are emptied.

struct RecordedFeedback final : Feedback {
    long right = 0, wrong = 0;
    void play(Verdict verdict) override { ++(verdict == Verdict::Right ? right : wrong); }
};

Memory fractionDivision(int n, Pupil& pupil)
{
    using Drill = FractionDivisionDrill;
    ClockRandomSource random(seed);
    RecordedFeedback feedback;
    Drill drill(random, feedback);
    Drill::BoxTexts boxes{};
    auto carryOut = [&] {
        for (const ScreenRequest& r : drill.takeRequests())
            if (r.kind == ScreenRequest::Kind::EmptyBox)
                boxes[std::size_t(r.target)].clear();
    };
    drill.load();
    drill.timer1Fired();
    carryOut();
    return soak(n, [&] {
        int step = 1;
        while (step <= 4 && (drill.phase(step) == Drill::StepPhase::Hidden ||
                             drill.phase(step) == Drill::StepPhase::Done))
            ++step;
        if (step > 4) {
            drill.newQuestion();
            drill.timer1Fired();
            carryOut();
            step = 1;
        }
        if (drill.phase(step) == Drill::StepPhase::Closed)
            drill.pressStep(step, boxes);
        for (int b = 0; b < Drill::boxCount; ++b) {
            std::string& text = boxes[std::size_t(b)];
            if (Drill::stepOf(Drill::Box(b)) == step && text.empty())
                text = step == 2 ? pupil.sign() : pupil.number(1, step == 4 ? 100 : 10);
        }
        drill.pressStep(step, boxes);
        carryOut();
        if (drill.timerArmed(Drill::Timer(step)))
            drill.clearMarks(step);
        if (pupil.chance(4))
            drill.toggleHelp();
        carryOut();
    });
}

Memory division(int n, Pupil& pupil)
{
    ClockRandomSource random(seed);
    RecordedFeedback feedback;
    DivisionDrill drill(random, feedback);
    return soak(n, [&] {
        if (drill.step() == DivisionStep::Idle || drill.step() == DivisionStep::Solved) {
            drill.requestProblem();
            drill.drawProblem();
        }
        switch (drill.step()) {
        case DivisionStep::ProductStep: drill.submitProduct(pupil.number(0, 99)); break;
        case DivisionStep::RemainderStep: drill.submitRemainder(pupil.number(0, 9)); break;
        default: drill.submitQuotient(pupil.number(0, 9)); break;
        }
        if (drill.timerArmed(DivisionDrill::Timer::Timerhidenatija))
            drill.hideFeedback();
        if (pupil.chance(4))
            drill.toggleHelp();
        drill.takeRequests();
    });
}

// A drill that gives one verdict and then moves on by itself after its pause.
template <typename Drill>
Memory pausing(int n, const std::function<void(Drill&)>& answer)
{
    ClockRandomSource random(seed);
    RecordedFeedback feedback;
    Drill drill(random, feedback);
    drill.start();
    return soak(n, [&] {
        answer(drill);
        drill.nextQuestion();
        drill.takeRequests();
    });
}

Memory factCards(int n, FactKind kind)
{
    ClockRandomSource random(seed);
    FactCards cards(kind, random);
    cards.drawFact();
    return soak(n, [&] {
        cards.characterTyped(U' ');
        cards.characterTyped(13);
    });
}

void logicRuns(int answers)
{
    Pupil pupil;
    std::printf("\nLogic: resident memory over %d answers on each drill's logic alone\n", answers);
    printMemoryHeader("drill");
    printMemory("FractionDivisionDrill", answers, fractionDivision(answers, pupil));
    printMemory("ReciprocalEntryDrill", answers,
                pausing<ReciprocalEntryDrill>(answers, [&](ReciprocalEntryDrill& d) {
                    d.submit(pupil.number(1, 20), pupil.number(1, 20));
                }));
    printMemory("ReciprocalMarkDrill", answers,
                pausing<ReciprocalMarkDrill>(
                    answers, [&](ReciprocalMarkDrill& d) { d.mark(pupil.chance(50)); }));
    printMemory("QuotientChoiceDrill", answers,
                pausing<QuotientChoiceDrill>(
                    answers, [&](QuotientChoiceDrill& d) { d.choose(pupil.below(3)); }));
    printMemory("DivisionDrill", answers, division(answers, pupil));
    printMemory("FactCards (division)", answers, factCards(answers, FactKind::Division));
    printMemory("FactCards (multiplication)", answers,
                factCards(answers, FactKind::Multiplication));
}

// The offscreen platform cannot raise windows and says so each time a screen is shown.
QtMessageHandler standardMessages = nullptr;

void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (!text.contains(QLatin1String("does not support raise()")))
        standardMessages(type, context, text);
}

}  // namespace

int main(int argc, char** argv)
{
    standardMessages = qInstallMessageHandler(quietMessages);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Clicks come as soon as a screen shows; the guard against a double-click carried over
    // from the screen before would drop them.
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(0);

    QCommandLineParser options;
    options.setApplicationDescription("Prints paste times, memory over many answers and the "
                                      "slowest handlers of the drills.");
    options.addHelpOption();
    const QCommandLineOption answers("answers", "Answers given on each drill screen.", "N", "1000");
    const QCommandLineOption logicAnswers("logic-answers", "Answers given to each drill's logic.",
                                          "N", "100000");
    const QCommandLineOption pastes("pastes", "Runs of each paste.", "N", "5");
    options.addOptions({answers, logicAnswers, pastes});
    options.process(app);
    auto count = [&](const QCommandLineOption& option) {
        return std::max(1, options.value(option).toInt());
    };

    std::printf("Platform: %s\n", QGuiApplication::platformName().toUtf8().constData());
    pasteRuns(count(pastes));
    Stopwatch watch;
    screenRuns(count(answers), watch);
    std::printf("\nHandlers: each kind of event over the runs above, the sound aside; the "
                "slowest against one frame\n");
    watch.print();
    logicRuns(count(logicAnswers));
    return 0;
}
