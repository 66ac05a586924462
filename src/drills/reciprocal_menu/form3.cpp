#include "drills/reciprocal_menu/form3.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QTimer>

#include "common/random_source.h"
#include "ui/caption.h"
#include "ui/geometry.h"
#include "ui/picture.h"
#include "ui/screen_host.h"
#include "ui/shapes.h"

QColor Form3::plainColour()
{
    // The desktop's window-background colour is the palette's base colour.
    return QApplication::palette().color(QPalette::Base);
}

Form3::Form3(ScreenHost& host)
    : ScreenWindow(ScreenId::Form3, 12000, 9000, QString(), Qt::black),
      m_host(host),
      m_random(host.makeRandomSource()),
      m_drill(*m_random, *this)
{
    build();
}

Form3::~Form3() = default;

void Form3::build()
{
    m_background = new Picture(this, QStringLiteral("Image1"), twips(0, 720, 12105, 8220),
                               pictures::background, QStringLiteral("صورة الخلفية"));
    m_score = std::make_unique<ScorePanel>(this, 3240);

    new Caption(this, QStringLiteral("Label2"), twips(1860, 2040, 8835, 1125),
                CaptionLook{48, true, QColor(0xffffc0), CaptionLook::Align::Centre},
                QStringLiteral("مقلوب الكسر ــ هو ــ :"));
    const CaptionLook number{72, true, QColor(0xffff00), CaptionLook::Align::Centre};
    auto large = [this, &number](const char* name, QRect box) {
        return new Caption(this, QString::fromLatin1(name), box, number);
    };
    m_b1 = large("b1", twips(5280, 1080, 735, 2205));
    m_m1 = large("m1", twips(5280, 2280, 735, 2205));
    m_b2 = large("b2", twips(2640, 1080, 735, 2205));
    m_m2 = large("m2", twips(2640, 2280, 735, 2205));

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
    // The boxes take no pointer events: their rims count as background, so
    // moving from one mark to the other always clears both.
    for (FilledShape* box : {m_rightBox, m_wrongBox})
        box->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_message = new Caption(this, QStringLiteral("Label3"), twips(5190, 6960, 1635, 645),
                            CaptionLook{27.75, true, Qt::white, CaptionLook::Align::Centre});
    m_message->hide();
    m_answerKey = new Caption(this, QStringLiteral("Label10"), twips(720, 6360, 735, 615),
                              CaptionLook{});
    m_answerKey->hide();

    connect(m_rightMark, &Caption::clicked, this, [this] { markClicked(true); });
    connect(m_wrongMark, &Caption::clicked, this, [this] { markClicked(false); });
    // The marks light their own box. The bare screen and the background
    // picture, which passes its pointer moves on to the screen, clear both.
    setMouseTracking(true);
    m_background->setMouseTracking(true);
    auto light = [this](FilledShape* box) {
        return [this, box] {
            if (m_drill.marksEnabled())
                box->setFill(litColour());
        };
    };
    for (auto [mark, box] : {std::pair{m_rightMark, m_rightBox}, std::pair{m_wrongMark, m_wrongBox}}) {
        mark->setMouseTracking(true);
        connect(mark, &Caption::pointerMoved, this, light(box));
    }

    connect(makeHomeLabel(this, QStringLiteral("Label11"), 1920, 8040), &Caption::clicked, this,
            [this] { m_host.goTo(ScreenId::Form3, ScreenId::Form5); });

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setSingleShot(true);
    m_timer->setInterval(ReciprocalMarkDrill::pauseMilliseconds);
    connect(m_timer, &QTimer::timeout, this, &Form3::timerTick);
}

void Form3::load()
{
    m_drill.start();
    render();
}

void Form3::markClicked(bool saysRight)
{
    m_drill.mark(saysRight);
    render();
}

void Form3::timerTick()
{
    m_drill.nextQuestion();
    render();
}

bool Form3::screenKey(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        m_host.endProgram();
        return true;
    }
    return false;
}

void Form3::mouseMoveEvent(QMouseEvent* event)
{
    // The marks pass their moves on here too, after lighting their box: only
    // the bare screen and the background picture put the boxes back.
    QWidget* under = childAt(event->position().toPoint());
    if (!under || under == m_background) {
        m_rightBox->setFill(plainColour());
        m_wrongBox->setFill(plainColour());
    }
    ScreenWindow::mouseMoveEvent(event);
}

void Form3::play(Verdict verdict)
{
    // The verdict and the counter show before the sound; the grade word and
    // the pause follow it.
    render();
    repaint();
    m_host.playSound(verdict);
}

void Form3::render()
{
    m_score->show(m_drill.score());
    m_b1->setCaption(QString::number(m_drill.b1()));
    m_m1->setCaption(QString::number(m_drill.m1()));
    m_b2->setCaption(QString::number(m_drill.b2()));
    m_m2->setCaption(QString::number(m_drill.m2()));
    m_answerKey->setCaption(QString(QChar::fromLatin1(m_drill.answerKey())));

    m_message->setCaption(fromUtf8(m_drill.feedbackText()));
    m_message->setVisible(m_drill.feedbackShown());
    m_rightMark->setEnabled(m_drill.marksEnabled());
    m_wrongMark->setEnabled(m_drill.marksEnabled());
    setKeyPreview(m_drill.keyPreview());

    // The pause runs exactly while the drill has it armed; it is armed only
    // from a click, and clicks rest until it has fired, so it never needs a
    // fresh start while it runs.
    if (m_drill.timerArmed() != m_timer->isActive()) {
        if (m_drill.timerArmed())
            m_timer->start();
        else
            m_timer->stop();
    }
}
