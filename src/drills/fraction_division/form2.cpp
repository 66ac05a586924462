// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/fraction_division/form2.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/answer_box.h"
#include "ui/caption.h"
#include "ui/geometry.h"
#include "ui/help_panel.h"
#include "ui/picture.h"
#include "ui/push_button.h"
#include "ui/screen_host.h"
#include "ui/shapes.h"
#include "ui/type_face.h"

namespace {

using Box = FractionDivisionDrill::Box;
using MarkState = FractionDivisionDrill::MarkState;
constexpr int boxCount = FractionDivisionDrill::boxCount;

// Where each answer box and its mark stand, and what a screen reader calls them.
struct BoxDesign {
    const char* name;
    QRect box;
    int maxLength;
    const char* markName;
    QRect mark;
    const char* spoken;
};

const BoxDesign boxDesigns[boxCount] = {
    {"txtb1", twips(4200, 2040, 1575, 1245), 2, "imgb1", twips(6000, 2280, 630, 600),
     "بسط الكسر الأول"},
    {"txtm1", twips(4200, 3600, 1575, 1245), 2, "imgm1", twips(6000, 3960, 630, 600),
     "مقام الكسر الأول"},
    {"txtamalya", twips(3000, 2880, 975, 1245), 1, "imgamalya", twips(3120, 2040, 630, 600),
     "علامة العملية"},
    {"txtb2", twips(1200, 2040, 1575, 1245), 2, "imgb2", twips(480, 2280, 630, 600),
     "بسط مقلوب الكسر الثاني"},
    {"txtm2", twips(1200, 3600, 1575, 1245), 2, "imgm2", twips(480, 3960, 630, 600),
     "مقام مقلوب الكسر الثاني"},
    {"txtb3", twips(5040, 5040, 1815, 1245), 3, "imgb3", twips(6960, 5400, 630, 600), "بسط الناتج"},
    {"txtm3", twips(5040, 6720, 1815, 1245), 3, "imgm3", twips(6960, 6840, 630, 600),
     "مقام الناتج"},
};

struct StepButtonDesign {
    const char* name;
    QRect box;
};

const StepButtonDesign stepButtonDesigns[4] = {
    {"step1", twips(5520, 1320, 1575, 615)},
    {"step2", twips(2760, 1320, 1335, 615)},
    {"step3", twips(1200, 1320, 1335, 615)},
    {"step4", twips(7080, 4680, 1335, 615)},
};

MarkPicture::Shows markShows(MarkState state)
{
    switch (state) {
    case MarkState::Tick: return MarkPicture::Shows::Tick;
    case MarkState::Cross: return MarkPicture::Shows::Cross;
    case MarkState::None: break;
    }
    return MarkPicture::Shows::Nothing;
}

}  // namespace

Form2::Form2(ScreenHost& host)
    : JudgingScreen(ScreenId::Form2, host, {.background = twips(-120, 1200, 12345, 8220)})
{
    new Caption(this, QStringLiteral("Label1"), twips(7920, 1440, 2745, 855),
                CaptionLook{36, true, QColor(0xffffc0), CaptionLook::Align::Right},
                QStringLiteral("أوجد ناتج :"));
    const CaptionLook problem{72, true, Qt::white, CaptionLook::Align::Centre};
    // Fraction bars of 3 px read as bars under 72 pt digits.
    auto bar = [this](const char* name, int x1, int x2, int y) {
        return new LineShape(this, QString::fromLatin1(name), x1, x2, y, Qt::white, 3);
    };
    auto large = [this, &problem](const char* name, QRect box, const char* text) {
        return new Caption(this, QString::fromLatin1(name), box, problem, QString::fromUtf8(text));
    };
    m_b1 = large("b1", twips(10395, 2160, 825, 1695), "2");
    m_m1 = large("m1", twips(10440, 3360, 825, 1695), "2");
    LineShape* line1 = bar("Line1", 11760, 9960, 3480);
    Caption* divide = large("Label14", twips(9000, 2760, 825, 1695), "÷");
    m_b2 = large("b2", twips(7560, 2160, 825, 1695), "2");
    m_m2 = large("m2", twips(7560, 3360, 825, 1695), "2");
    LineShape* line2 = bar("Line2", 8760, 6960, 3480);
    Caption* equals = large("Label13", twips(6120, 2760, 825, 1695), "=");
    placeSignAmongBars(divide, {line1, line2});
    placeSignAmongBars(equals, {line2});

    const QFont buttonType = typeface::controlDefault();
    // The buttons' design names no size: each gets the largest that fits it.
    auto fitted = [](QPushButton* button, const std::vector<std::string>& captions) {
        QStringList texts;
        for (const std::string& caption : captions)
            texts << fromUtf8(caption);
        fitButtonType(button, texts);
    };
    for (int step = 1; step <= 4; ++step) {
        const StepButtonDesign& design = stepButtonDesigns[step - 1];
        QPushButton* button = makeButton(this, QString::fromLatin1(design.name), design.box,
                                         fromUtf8(m_drill.stepCaption(step)), buttonType);
        fitted(button, FractionDivisionDrill::stepCaptions(step));
        onClick(button, [this, step] { m_drill.pressStep(step, boxTexts()); });
        m_stepButtons[std::size_t(step - 1)] = button;
    }

    for (int i = 0; i < boxCount; ++i) {
        const BoxDesign& design = boxDesigns[i];
        const bool sign = Box(i) == Box::amalya;
        const AnswerBoxLook look{sign ? 72.0 : 48.0, true, Qt::red, design.maxLength, !sign};
        m_boxes[std::size_t(i)] = new AnswerBox(this, QString::fromLatin1(design.name), design.box,
                                                look, QString::fromUtf8(design.spoken));
        m_marks[std::size_t(i)] =
            new MarkPicture(this, QString::fromLatin1(design.markName), design.mark,
                            QStringLiteral("علامة ") + QString::fromUtf8(design.spoken));
    }
    LineShape* line22 = bar("Line22", 2880, 1080, 3480);
    Caption* equals1 = large("yosawi1", twips(240, 2760, 825, 1695), "=");
    LineShape* line33 = bar("Line33", 6840, 5040, 6480);
    Caption* equals2 = large("yosawi2", twips(7080, 5760, 825, 1695), "=");
    placeSignAmongBars(equals1, {line22});
    placeSignAmongBars(equals2, {line33});
    m_stepExtras[0] = {bar("Line11", 5880, 4080, 3480)};
    m_stepExtras[2] = {line22, equals1};
    m_stepExtras[3] = {line33, equals2};

    m_newQuestion = makeButton(this, QStringLiteral("cnew"), twips(10080, 5400, 1215, 615),
                               QStringLiteral("سؤال جديد"), buttonType);
    onClick(m_newQuestion, [this] { m_drill.newQuestion(); });
    fitted(m_newQuestion, {"سؤال جديد"});
    m_helpButton = makeButton(this, QStringLiteral("Comhelp"), twips(9720, 6360, 1335, 735),
                              fromUtf8(m_drill.helpButtonCaption()), buttonType);
    fitted(m_helpButton, FractionDivisionDrill::helpButtonCaptions());
    onClick(m_helpButton, [this] { m_drill.toggleHelp(); });
    m_help = addHelpPanel({twips(3240, 8040, 6375, 975), twips(120, 360, 6015, 495)});

    // The sources of every mark's tick and cross; never shown themselves.
    auto* tick = new Picture(this, QStringLiteral("imgtrue"), twips(11280, 2160, 630, 600),
                             pictures::tick, QStringLiteral("علامة صح"));
    auto* cross = new Picture(this, QStringLiteral("imgfalse"), twips(11280, 3840, 630, 600),
                              pictures::cross, QStringLiteral("علامة خطأ"));
    tick->hide();
    cross->hide();

    addHomeLabel(QStringLiteral("Label7"), 1920, 8400, ScreenId::Form5);

    // Timer1 draws the first problem about a millisecond after load; hide1
    // to hide4 clear the marks of steps 1 to 4 two seconds after a check.
    addTimer(QStringLiteral("Timer1"), 1, [this] { m_drill.timer1Fired(); });
    for (int step = 1; step <= 4; ++step) {
        addTimer(QStringLiteral("hide%1").arg(step), 2000,
                 [this, step] { m_drill.clearMarks(step); });
    }
    setAnswerBoxes({m_boxes.begin(), m_boxes.end()});

    // Tab goes through each step's boxes and then its button, so a pupil
    // can work a problem from the keyboard alone.
    const std::vector<QWidget*> tabOrder{
        box(Box::b1),     box(Box::m1),  m_stepButtons[0], box(Box::amalya), m_stepButtons[1],
        box(Box::b2),     box(Box::m2),  m_stepButtons[2], box(Box::b3),     box(Box::m3),
        m_stepButtons[3], m_newQuestion, m_helpButton};
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void Form2::load()
{
    act([this] { m_drill.load(); });
}

FractionDivisionDrill::BoxTexts Form2::boxTexts() const
{
    FractionDivisionDrill::BoxTexts texts;
    for (int i = 0; i < boxCount; ++i)
        texts[std::size_t(i)] = m_boxes[std::size_t(i)]->text().toStdString();
    return texts;
}

void Form2::render()
{
    if (m_drill.problemDrawn()) {
        m_b1->setCaption(QString::number(m_drill.b1()));
        m_m1->setCaption(QString::number(m_drill.m1()));
        m_b2->setCaption(QString::number(m_drill.b2()));
        m_m2->setCaption(QString::number(m_drill.m2()));
    }

    for (int step = 1; step <= 4; ++step) {
        QPushButton* button = m_stepButtons[std::size_t(step - 1)];
        setButtonCaption(button, fromUtf8(m_drill.stepCaption(step)));
        button->setVisible(m_drill.stepButtonShown(step));
        for (QWidget* extra : m_stepExtras[std::size_t(step - 1)])
            extra->setVisible(m_drill.stepBoxesShown(step));
    }
    for (int i = 0; i < boxCount; ++i) {
        const Box which = Box(i);
        box(which)->setVisible(m_drill.stepBoxesShown(FractionDivisionDrill::stepOf(which)));
        const FractionDivisionDrill::Mark& mark = m_drill.mark(which);
        MarkPicture* picture = m_marks[std::size_t(i)];
        picture->setShows(markShows(mark.state));
        picture->setVisible(mark.shown);
    }

    m_newQuestion->setVisible(m_drill.newQuestionShown());
    setButtonCaption(m_helpButton, fromUtf8(m_drill.helpButtonCaption()));
    m_help->setHelpText(fromUtf8(m_drill.helpText()));
    m_help->setVisible(m_drill.helpShown());
}
