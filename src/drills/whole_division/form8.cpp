// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/whole_division/form8.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <limits>

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

using Box = DivisionDrill::Box;
using Timer = DivisionDrill::Timer;

// Each step's answer box and check button, and what a screen reader calls the box.
struct StepDesign {
    const char* box;
    QRect boxPlace;
    const char* spoken;
    const char* button;
    QRect buttonPlace;
};

const StepDesign stepDesigns[3] = {
    {"Txtnatj1", twips(6000, 2640, 975, 705), "خارج القسمة", "enter1",
     twips(2880, 2280, 1575, 615)},
    {"Txtnatj2", twips(6000, 3960, 975, 705), "حاصل الضرب", "enter2", twips(2880, 3120, 1575, 615)},
    {"Txtnatj3", twips(6000, 4920, 975, 705), "باقي القسمة", "enter3",
     twips(2880, 3960, 1575, 615)},
};

// The lines of the figure are 5 pixels wide, white like its numbers.
constexpr int lineWidth = 5;

// The stroke between dividend and divisor, from (x, top) down to (x, bottom) in twips.
QWidget* verticalLine(QWidget* screen, const QString& name, int x, int top, int bottom)
{
    const int middle = twip::toPixels(x);
    const int y1 = twip::toPixels(top);
    const int y2 = twip::toPixels(bottom);
    // Reaching half a width past each end, it joins the bars at its corners.
    const QRect box(middle - lineWidth / 2, y1 - lineWidth / 2, lineWidth, y2 - y1 + lineWidth);
    return new FilledShape(screen, name, box, Qt::white, Qt::white);
}

// A hint as the text box shows it. Its lines end in CR LF, and the box
// breaks lines at LF alone; and a sum such as "47 - 45" is held together
// with no-break spaces, so that wrapping never splits it. A line may break
// after a hyphen even before a no-break space, so a word joiner follows it.
QString shownHint(const std::string& hint)
{
    const QString noBreak(QChar(0x00A0));
    const QChar wordJoiner(0x2060);
    return fromUtf8(hint)
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QStringLiteral(" - "), noBreak + u'-' + wordJoiner + noBreak)
        .replace(QStringLiteral(" × "), noBreak + u'×' + noBreak);
}

}  // namespace

Form8::Form8(ScreenHost& host)
    : JudgingScreen(ScreenId::Form8, host,
                    {.background = twips(-120, 720, 12105, 8220), .windowColour = menuBackground})
{
    new Caption(this, QStringLiteral("Label1"), twips(6585, 1560, 4455, 855),
                CaptionLook{36, true, QColor(0xffffc0), CaptionLook::Align::Centre},
                QStringLiteral("اوجد ناتج ما يلي :"));

    // The written figure: the dividend under its bar, the divisor to its
    // left beyond the stroke, with its own bar beneath.
    const CaptionLook figure{27.75, true, Qt::white, CaptionLook::Align::Right};
    m_dividend = new Caption(this, QStringLiteral("lamaksoom"), twips(6240, 3480, 600, 645), figure,
                             QStringLiteral("??"));
    m_divisor = new Caption(this, QStringLiteral("lamaksoomalih"), twips(5505, 3480, 300, 645),
                            figure, QStringLiteral("?"));
    // The bracket of the long division: its two bars and the stroke between them.
    const QString bracket = QStringLiteral("خط القسمة");
    (new LineShape(this, QStringLiteral("Line1"), 7560, 5880, 3480, Qt::white, lineWidth))
        ->setAccessibleName(bracket);
    verticalLine(this, QStringLiteral("Line3"), 5880, 3480, 4080)->setAccessibleName(bracket);
    (new LineShape(this, QStringLiteral("Line2"), 5880, 4800, 4080, Qt::white, lineWidth))
        ->setAccessibleName(bracket);
    m_minus = new Caption(this, QStringLiteral("naqs"), twips(7200, 4200, 315, 645), figure,
                          QStringLiteral("-"));
    m_subtractionBar =
        new LineShape(this, QStringLiteral("Line4"), 7200, 5760, 4800, Qt::white, lineWidth);
    m_subtractionBar->setAccessibleName(QStringLiteral("خط الطرح"));

    const QFont buttonType = typeface::controlDefault();
    for (int i = 0; i < 3; ++i) {
        const StepDesign& design = stepDesigns[i];
        // Any text is taken, however long: the check reads its leading number.
        const AnswerBoxLook look{27.75, true, Qt::red, std::numeric_limits<int>::max(), false};
        AnswerBox* answer = new AnswerBox(this, QString::fromLatin1(design.box), design.boxPlace,
                                          look, QString::fromUtf8(design.spoken));
        answer->setMaxLength(std::numeric_limits<int>::max());
        m_boxes[std::size_t(i)] = answer;
        QPushButton* check =
            makeButton(this, QString::fromLatin1(design.button), design.buttonPlace,
                       QStringLiteral("ادخال الناتج"), buttonType);
        fitButtonType(check, {QStringLiteral("ادخال الناتج")});
        connect(check, &QPushButton::clicked, this, [this, i] { submit(Box(i)); });
        m_checkButtons[std::size_t(i)] = check;
    }
    // The product's box stands over the lower edge of the dividend's label:
    // the numbers are set midway between the bar and that box so that the box
    // never hides their foot, and the minus sign level with the product.
    const int numbersMiddle = (twip::toPixels(3480) + lineWidth / 2 + box(Box::Txtnatj2)->y()) / 2;
    m_dividend->setInkMiddle(numbersMiddle);
    m_divisor->setInkMiddle(numbersMiddle);
    m_minus->setInkMiddle(box(Box::Txtnatj2)->geometry().center().y());

    m_newProblem = makeButton(this, QStringLiteral("Comq"), twips(960, 3000, 1575, 615),
                              QStringLiteral("مسألة جديدة"), buttonType);
    fitButtonType(m_newProblem, {QStringLiteral("مسألة جديدة")});
    onClick(m_newProblem, [this] { m_drill.requestProblem(); });
    m_helpButton = makeButton(this, QStringLiteral("Comhelp"), twips(1080, 4320, 1335, 495),
                              fromUtf8(m_drill.helpButtonCaption()), buttonType);
    QStringList helpCaptions;
    for (const std::string& caption : DivisionDrill::helpButtonCaptions())
        helpCaptions << fromUtf8(caption);
    fitButtonType(m_helpButton, helpCaptions);
    onClick(m_helpButton, [this] { m_drill.toggleHelp(); });
    // The pupil may type in the hint box; the next hint replaces what was typed.
    m_help = addHelpPanel({.box = twips(8040, 3120, 2415, 2655),
                           .textBox = twips(120, 360, 2175, 2175),
                           .captionPoints = 15.75,
                           .pupilTypes = true});

    addMessageLabel(twips(5160, 6360, 1635, 645), Qt::black);
    addHomeLabel(QStringLiteral("Label7"), 1800, 8040, ScreenId::Form7);

    // Timer1 draws the problem asked for; Timerhidenatija hides the message.
    addTimer(QStringLiteral("Timer1"), 100, [this] { m_drill.drawProblem(); });
    addTimer(QStringLiteral("Timerhidenatija"), 3000, [this] { m_drill.hideFeedback(); });
    setAnswerBoxes({m_boxes.begin(), m_boxes.end()});

    // Tab goes from each box to its button, step by step.
    const std::vector<QWidget*> tabOrder{box(Box::Txtnatj1), m_checkButtons[0],  box(Box::Txtnatj2),
                                         m_checkButtons[1],  box(Box::Txtnatj3), m_checkButtons[2],
                                         m_newProblem,       m_helpButton};
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

QString Form8::emptyAnswerText() { return QStringLiteral("عفواً لم تضع رقما"); }
QString Form8::emptyAnswerTitle() { return QStringLiteral("رسالة البرنامج"); }

void Form8::submit(Box which)
{
    CheckResult result = CheckResult::Wrong;
    act([&] {
        const std::string typed = box(which)->text().toStdString();
        switch (which) {
        case Box::Txtnatj1: result = m_drill.submitQuotient(typed); break;
        case Box::Txtnatj2: result = m_drill.submitProduct(typed); break;
        case Box::Txtnatj3: result = m_drill.submitRemainder(typed); break;
        }
    });
    if (result == CheckResult::Empty)
        host().showNotice(this, emptyAnswerTitle(), emptyAnswerText());
}

void Form8::render()
{
    if (m_drill.problemDrawn()) {
        m_dividend->setCaption(QString::number(m_drill.dividend()));
        m_divisor->setCaption(QString::number(m_drill.divisor()));
    }
    for (int i = 0; i < 3; ++i) {
        const Box which = Box(i);
        box(which)->setVisible(m_drill.boxShown(which));
        box(which)->setReadOnly(m_drill.boxLocked(which));
        m_checkButtons[std::size_t(i)]->setVisible(m_drill.checkButtonShown(which));
    }
    m_minus->setVisible(m_drill.subtractionShown());
    m_subtractionBar->setVisible(m_drill.subtractionShown());
    m_newProblem->setEnabled(m_drill.newProblemEnabled());
    m_helpButton->setVisible(m_drill.helpButtonShown());
    setButtonCaption(m_helpButton, fromUtf8(m_drill.helpButtonCaption()));
    m_help->setHelpText(shownHint(m_drill.hintText()), m_drill.hintWrites());
    m_help->setVisible(m_drill.helpShown());
}
