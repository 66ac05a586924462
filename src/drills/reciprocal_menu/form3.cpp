// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/reciprocal_menu/form3.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPalette>

#include "ui/caption.h"
#include "ui/fraction_sentence.h"
#include "ui/geometry.h"
#include "ui/picture.h"
#include "ui/screen_host.h"
#include "ui/shapes.h"

namespace {

// A mark's box under the pointer, and its plain colour: the desktop's window background, which
// is the palette's base colour.
const QColor litColour(192, 192, 255);
QColor plainColour() { return QApplication::palette().color(QPalette::Base); }

}  // namespace

Form3::Form3(ScreenHost& host)
    : JudgingScreen(ScreenId::Form3, host,
                    {.background = twips(0, 720, 12105, 8220), .questionsLeftTwips = 3240})
{
    const CaptionLook number{72, true, QColor(0xffff00), CaptionLook::Align::Centre};
    auto large = [this, &number](const char* name, QRect box) {
        return new Caption(this, QString::fromLatin1(name), box, number);
    };
    m_b1 = large("b1", twips(5280, 1080, 735, 2205));
    m_m1 = large("m1", twips(5280, 2280, 735, 2205));
    m_b2 = large("b2", twips(2640, 1080, 735, 2205));
    m_m2 = large("m2", twips(2640, 2280, 735, 2205));
    // Its runs of "ــ" are the two fractions' bars, the given fraction's on the right.
    m_sentence =
        new FractionSentence(this, QStringLiteral("Label2"), twips(1860, 2040, 8835, 1125),
                             QStringLiteral("مقلوب الكسر ــ هو ــ :"),
                             CaptionLook{48, true, QColor(0xffffc0), CaptionLook::Align::Centre},
                             {{m_b1, m_m1}, {m_b2, m_m2}});

    // The window-text colour of the desktop, the text colour on its base.
    m_rightBox = new FilledShape(this, QStringLiteral("Shape2"), twips(6000, 4200, 3495, 2655),
                                 plainColour(), QApplication::palette().color(QPalette::Text));
    const CaptionLook markLook{72, true, Qt::black, CaptionLook::Align::Centre};
    m_rightMark = new Caption(this, QStringLiteral("Label7"), twips(6810, 4680, 1935, 1695),
                              markLook, QStringLiteral("صح"));
    m_wrongBox = new FilledShape(this, QStringLiteral("Shape1"), twips(2400, 4200, 3495, 2655),
                                 Qt::white, Qt::black);
    m_wrongMark = new Caption(this, QStringLiteral("Label8"), twips(3240, 4800, 1875, 1695),
                              markLook, QStringLiteral("خطأ"));
    m_rightBox->setAccessibleName(QStringLiteral("مربع صح"));
    m_wrongBox->setAccessibleName(QStringLiteral("مربع خطأ"));
    // The boxes take no pointer events: their rims count as background, so
    // moving from one mark to the other always clears both.
    for (FilledShape* box : {m_rightBox, m_wrongBox})
        box->setAttribute(Qt::WA_TransparentForMouseEvents);

    addMessageLabel(twips(5190, 6960, 1635, 645), Qt::white);
    m_answerKey =
        new Caption(this, QStringLiteral("Label10"), twips(720, 6360, 735, 615), CaptionLook{});
    m_answerKey->hide();

    onClick(m_rightMark, [this] { m_drill.mark(true); });
    onClick(m_wrongMark, [this] { m_drill.mark(false); });
    // The marks light their own box. The bare screen and the background
    // picture, which passes its pointer moves on to the screen, clear both.
    setMouseTracking(true);
    background()->setMouseTracking(true);
    auto light = [this](FilledShape* box) {
        return [this, box] {
            if (m_drill.marksEnabled())
                box->setFill(litColour);
        };
    };
    using OnBox = std::pair<Caption*, FilledShape*>;
    for (auto [mark, box] : {OnBox{m_rightMark, m_rightBox}, OnBox{m_wrongMark, m_wrongBox}}) {
        mark->setMouseTracking(true);
        connect(mark, &Caption::pointerMoved, this, light(box));
    }

    addHomeLabel(QStringLiteral("Label11"), 1920, 8040, ScreenId::Form5);
    addPauseTimer([this] { m_drill.nextQuestion(); });
}

void Form3::mouseMoveEvent(QMouseEvent* event)
{
    // The marks pass their moves on here too, after lighting their box: only
    // the bare screen and the background picture put the boxes back.
    QWidget* under = childAt(event->position().toPoint());
    if (!under || under == background()) {
        m_rightBox->setFill(plainColour());
        m_wrongBox->setFill(plainColour());
    }
    ScreenWindow::mouseMoveEvent(event);
}

void Form3::render()
{
    m_b1->setCaption(QString::number(m_drill.b1()));
    m_m1->setCaption(QString::number(m_drill.m1()));
    m_b2->setCaption(QString::number(m_drill.b2()));
    m_m2->setCaption(QString::number(m_drill.m2()));
    m_sentence->arrange();
    m_answerKey->setCaption(QString(QChar::fromLatin1(m_drill.answerKey())));

    m_rightMark->setEnabled(m_drill.marksEnabled());
    m_wrongMark->setEnabled(m_drill.marksEnabled());
}
