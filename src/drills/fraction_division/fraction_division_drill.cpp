// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/fraction_division/fraction_division_drill.h"

#include "common/leading_number.h"
#include "common/random_source.h"

#include <string_view>

namespace {

constexpr const char* checkCaption = "اختبار الاجابة";

// Each step's own button caption, shown while the step is closed (and kept,
// unseen, while it is hidden).
constexpr std::array<const char*, 4> ownStepCaptions{
    "الخطوة الاولى",
    "الخطوة الثانية",
    "الخطوة الثالثة",
    "الخطوة الرابعة",
};

// The line of advice written into the help panel as each step opens.
constexpr std::array<const char*, 4> stepHelpTexts{
    "نكتب الكسر الأول كما هو",
    "نكتب بدل رمز القسمة علامة الضرب",
    "نقلب الكسر الثاني",
    "نضرب البسط × البسط و نكتب الناتج و المقام × المقام و نكتب الناتج",
};

constexpr const char* newQuestionHelp = "اضغط على زر الخطوة الاولى";
constexpr const char* solvedHelp = "احسنت اجابتك سليمة حاول بحل سؤال آخر";

constexpr const char* showHelpCaption = "اضهار المساعدة";
constexpr const char* hideHelpCaption = "اخفاء المساعدة";

// The multiplication sign, and the star that stands in for it on a keyboard.
constexpr std::string_view timesSign = "\xC3\x97";
constexpr std::string_view starSign = "*";

// Every number of a problem lies in 1 to 10: a draw takes 0 to 10 and
// rejects the 0.
constexpr int drawRange = 11;

using Box = FractionDivisionDrill::Box;
using MarkState = FractionDivisionDrill::MarkState;
using StepPhase = FractionDivisionDrill::StepPhase;
using Timer = FractionDivisionDrill::Timer;

std::size_t indexOf(int step) { return static_cast<std::size_t>(step - 1); }

double numberIn(const FractionDivisionDrill::BoxTexts& boxes, Box box)
{
    return leadingNumber(boxes[static_cast<std::size_t>(box)]);
}

}  // namespace

FractionDivisionDrill::FractionDivisionDrill(RandomSource& random, Feedback& feedback)
    : JudgingDrill(GradingRule::PerQuestion, feedback), m_random(random)
{
}

void FractionDivisionDrill::load() { m_requests.arm(Timer::Timer1); }

void FractionDivisionDrill::timer1Fired()
{
    drawProblem();
    m_requests.disarm(Timer::Timer1);
}

void FractionDivisionDrill::drawProblem()
{
    m_keyPreview = true;
    int b1 = 0, b2 = 0, m1 = 0, m2 = 0;
    for (;;) {
        // Every attempt starts from a fresh seed and draws all four numbers.
        m_random.reseed();
        b1 = m_random.below(drawRange);
        b2 = m_random.below(drawRange);
        m1 = m_random.below(drawRange);
        m2 = m_random.below(drawRange);
        if (b1 == 0 || b2 == 0 || m1 == 0 || m2 == 0) {
            continue;
        }
        // A fraction equal to one would make the steps trivial.
        if (b1 == m1 || b2 == m2) {
            continue;
        }
        break;
    }
    m_b1 = b1;
    m_m1 = m1;
    m_b2 = b2;
    m_m2 = m2;
    // The two boxes of step 1 are put before the pupil with the problem.
    m_score.countQuestions(2);
    m_drawn = true;
}

void FractionDivisionDrill::newQuestion()
{
    m_helpText = newQuestionHelp;
    m_phases = {StepPhase::Closed, StepPhase::Hidden, StepPhase::Hidden, StepPhase::Hidden};
    for (Box box : {Box::b1, Box::b2, Box::b3, Box::m1, Box::m2, Box::m3, Box::amalya}) {
        m_requests.emptyBox(box);
    }
    m_requests.arm(Timer::Timer1);
}

void FractionDivisionDrill::pressStep(int step, const BoxTexts& boxes)
{
    if (!isStep(step)) {
        return;
    }
    switch (m_phases[indexOf(step)]) {
    case StepPhase::Closed: openStep(step); break;
    case StepPhase::Checking:
        if (step == 2) {
            checkSignStep(boxes);
        } else {
            checkFractionStep(step, boxes);
        }
        break;
    case StepPhase::Hidden:
    case StepPhase::Done: break;
    }
}

void FractionDivisionDrill::clearMarks(int step)
{
    if (!isStep(step)) {
        return;
    }
    const std::vector<Box> boxes = boxesOf(step);
    for (Box box : boxes) {
        markOf(box).shown = false;
    }
    // A box whose mark turned to tick since the timer was armed keeps its text.
    for (Box box : boxes) {
        if (markOf(box).state == MarkState::Cross) {
            m_requests.emptyBox(box);
            m_requests.focus(box);
        }
    }
    m_requests.disarm(clearTimerOf(step));
}

void FractionDivisionDrill::toggleHelp() { m_helpShown = !m_helpShown; }

FractionDivisionDrill::StepPhase FractionDivisionDrill::phase(int step) const
{
    return isStep(step) ? m_phases[indexOf(step)] : StepPhase::Hidden;
}

std::string FractionDivisionDrill::stepCaption(int step) const
{
    if (!isStep(step)) {
        return {};
    }
    switch (m_phases[indexOf(step)]) {
    case StepPhase::Hidden:
    case StepPhase::Closed: return ownStepCaptions[indexOf(step)];
    case StepPhase::Checking:
    case StepPhase::Done:
        // A passed step's button is hidden still carrying the checking caption.
        return checkCaption;
    }
    return {};
}

std::vector<std::string> FractionDivisionDrill::stepCaptions(int step)
{
    if (!isStep(step)) {
        return {};
    }
    return {ownStepCaptions[indexOf(step)], checkCaption};
}

std::vector<std::string> FractionDivisionDrill::helpButtonCaptions()
{
    return {showHelpCaption, hideHelpCaption};
}

bool FractionDivisionDrill::stepButtonShown(int step) const
{
    const StepPhase p = phase(step);
    return p == StepPhase::Closed || p == StepPhase::Checking;
}

bool FractionDivisionDrill::stepBoxesShown(int step) const
{
    const StepPhase p = phase(step);
    return p == StepPhase::Checking || p == StepPhase::Done;
}

bool FractionDivisionDrill::newQuestionShown() const
{
    // `cnew` appears once step 4 is answered right and goes with the next problem.
    return m_phases[3] == StepPhase::Done;
}

const FractionDivisionDrill::Mark& FractionDivisionDrill::mark(Box box) const
{
    return m_marks[static_cast<std::size_t>(box)];
}

std::string FractionDivisionDrill::helpButtonCaption() const
{
    return m_helpShown ? hideHelpCaption : showHelpCaption;
}

int FractionDivisionDrill::stepOf(Box box)
{
    switch (box) {
    case Box::b1:
    case Box::m1: return 1;
    case Box::amalya: return 2;
    case Box::b2:
    case Box::m2: return 3;
    case Box::b3:
    case Box::m3: return 4;
    }
    return 1;
}

std::vector<Box> FractionDivisionDrill::boxesOf(int step)
{
    switch (step) {
    case 1: return {Box::b1, Box::m1};
    case 2: return {Box::amalya};
    case 3: return {Box::b2, Box::m2};
    case 4: return {Box::b3, Box::m3};
    default: return {};
    }
}

FractionDivisionDrill::Timer FractionDivisionDrill::clearTimerOf(int step)
{
    return static_cast<Timer>(step);
}

void FractionDivisionDrill::openStep(int step)
{
    m_phases[indexOf(step)] = StepPhase::Checking;
    const std::vector<Box> boxes = boxesOf(step);
    m_requests.focus(boxes.front());
    // Step 1's boxes were counted when the problem was drawn.
    if (step > 1) {
        m_score.countQuestions(static_cast<int>(boxes.size()));
    }
    m_helpText = stepHelpTexts[indexOf(step)];
}

void FractionDivisionDrill::checkFractionStep(int step, const BoxTexts& boxes)
{
    double expectedTop = 0;
    double expectedBottom = 0;
    switch (step) {
    case 1:
        expectedTop = m_b1;
        expectedBottom = m_m1;
        break;
    case 3:
        // The second fraction turned over.
        expectedTop = m_m2;
        expectedBottom = m_b2;
        break;
    default:
        // The products of what stands in the boxes of steps 1 and 3 now, not of
        // the problem: a pupil who has since changed one of them is judged on it.
        expectedTop = numberIn(boxes, Box::b1) * numberIn(boxes, Box::b2);
        expectedBottom = numberIn(boxes, Box::m1) * numberIn(boxes, Box::m2);
        break;
    }
    const std::vector<Box> stepBoxes = boxesOf(step);
    const bool topRight = numberIn(boxes, stepBoxes[0]) == expectedTop;
    const bool bottomRight = numberIn(boxes, stepBoxes[1]) == expectedBottom;
    const bool passed = topRight && bottomRight;

    markOf(stepBoxes[0]).state = topRight ? MarkState::Tick : MarkState::Cross;
    markOf(stepBoxes[1]).state = bottomRight ? MarkState::Tick : MarkState::Cross;
    if (passed && step == 4) {
        m_helpText = solvedHelp;
    }
    const int right = (topRight ? 1 : 0) + (bottomRight ? 1 : 0);
    judgeStep(step, right, 2 - right);
}

void FractionDivisionDrill::checkSignStep(const BoxTexts& boxes)
{
    const std::string& sign = boxes[static_cast<std::size_t>(Box::amalya)];
    const bool right = sign == timesSign || sign == starSign;
    markOf(Box::amalya).state = right ? MarkState::Tick : MarkState::Cross;
    judgeStep(2, right ? 1 : 0, right ? 0 : 1);
}

void FractionDivisionDrill::judgeStep(int step, int right, int wrong)
{
    // The screen shows the counters and plays the sound; the marks come after.
    // A solved problem is the only moment the grade is worked out.
    const bool passed = wrong == 0;
    giveVerdict({right, wrong, {}, passed && step == 4}, clearTimerOf(step), [&] {
        if (passed)
            passStep(step);
    });
    for (Box box : boxesOf(step))
        markOf(box).shown = true;
}

void FractionDivisionDrill::passStep(int step)
{
    m_phases[indexOf(step)] = StepPhase::Done;
    if (step < 4)
        openStep(step + 1);
}
