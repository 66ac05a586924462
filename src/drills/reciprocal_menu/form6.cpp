// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/reciprocal_menu/form6.h"

#include <QKeyEvent>

#include "ui/answer_box.h"
#include "ui/caption.h"
#include "ui/fraction_sentence.h"
#include "ui/geometry.h"
#include "ui/screen_host.h"
#include "ui/shapes.h"

Form6::Form6(ScreenHost& host)
    : JudgingScreen(ScreenId::Form6, host, {.background = twips(0, 720, 12105, 8220)})
{
    new Caption(this, QStringLiteral("Label1"), twips(6600, 1560, 4425, 855),
                CaptionLook{36, true, QColor(0xffffc0), CaptionLook::Align::Centre},
                QStringLiteral("اكتب ناتج ما يلي :"));
    const CaptionLook given{72, true, Qt::yellow, CaptionLook::Align::Centre};
    m_b1 = new Caption(this, QStringLiteral("b1"), twips(3600, 1440, 735, 2205), given, QString());
    m_m1 = new Caption(this, QStringLiteral("m1"), twips(3600, 2640, 735, 2205), given, QString());
    auto* bar = new LineShape(this, QStringLiteral("Line2"), 5040, 3240, 3120, Qt::yellow, 5);
    // The fraction stands in the sentence's run of blanks, on its bar Line2.
    m_sentence = new FractionSentence(this, QStringLiteral("Label2"), twips(1680, 2400, 7695, 1125),
                                      QStringLiteral("مقلوب الكسر        هو:"),
                                      CaptionLook{48, true, Qt::white, CaptionLook::Align::Centre},
                                      {{m_b1, m_m1, bar}});

    const AnswerBoxLook answer{48, true, Qt::red, 2, true};
    m_numerator = new AnswerBox(this, QStringLiteral("txtb1"), twips(5213, 4200, 1455, 1365),
                                answer, QStringLiteral("بسط المقلوب"));
    m_denominator = new AnswerBox(this, QStringLiteral("txtm1"), twips(5213, 5880, 1455, 1245),
                                  answer, QStringLiteral("مقام المقلوب"));
    new LineShape(this, QStringLiteral("Line1"), 6893, 5093, 5760, Qt::yellow, 5);
    setTabOrder(m_numerator, m_denominator);
    m_numerator->setFocus();
    setAnswerBoxes({m_numerator, m_denominator});

    new Caption(this, QStringLiteral("Label8"), twips(3600, 7800, 5745, 480),
                CaptionLook{20.25, true, Qt::black, CaptionLook::Align::Centre},
                QStringLiteral("اكتب الناتج تم اضغط على ادخال أو Enter"));
    addMessageLabel(twips(5280, 7200, 1635, 645), Qt::black);
    addHomeLabel(QStringLiteral("Label7"), 1920, 8040, ScreenId::Form7);
    addPauseTimer([this] { m_drill.nextQuestion(); });
}

bool Form6::screenKey(QKeyEvent* event)
{
    // Key preview is on only while Enter is open, so these keys reach the
    // screen only then; during the pause they go to the box, which drops them.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        act([this] {
            m_drill.submit(m_numerator->text().toStdString(), m_denominator->text().toStdString());
        });
        return true;
    default: return DrillScreen::screenKey(event);
    }
}

void Form6::render()
{
    m_b1->setCaption(QString::number(m_drill.b1()));
    m_m1->setCaption(QString::number(m_drill.m1()));
    m_sentence->arrange();
}
