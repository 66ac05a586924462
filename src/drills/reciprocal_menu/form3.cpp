// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/reciprocal_menu/form3.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

#include "ui/caption.h"
#include "ui/geometry.h"
#include "ui/picture.h"
#include "ui/screen_host.h"
#include "ui/shapes.h"
#include "ui/type_face.h"

// Label2, the sentence "مقلوب الكسر ــ هو ــ :" set around the two fractions.
// Its two runs of "ــ" are the fractions' bars: each is drawn as a bar
// between a numerator and its denominator, as wide as the wider number, and
// the words stand beside the bars, their middle level with them. Set as one
// line, the sentence would run through the 72 pt numbers, since its runs of
// "ــ" fall under the fractions only in the typeface the screen was first
// drawn with. The label keeps the whole sentence as its text, for screen
// readers.
class Form3::Sentence final : public QLabel {
public:
    Sentence(QWidget* screen, const QRect& designed, const QString& sentence, const QColor& colour)
        : QLabel(sentence, screen), m_designed(designed), m_colour(colour),
          m_type(typeface::arabic(48))
    {
        setObjectName(QStringLiteral("Label2"));
        setAttribute(Qt::WA_TranslucentBackground);
        setGeometry(designed);
        // The words between the runs of "ــ", from the right.
        for (const QString& word : sentence.split(QChar(0x0640), Qt::SkipEmptyParts)) {
            if (!word.trimmed().isEmpty())
                m_words << word.trimmed();
        }
    }

    // Sets the sentence around the given fraction b1/m1 and the proposed one
    // b2/m2 on its left. The fractions stand at their designed places unless
    // the middle word would not fit between them; then they move apart just
    // enough.
    void arrange(Caption* b1, Caption* m1, Caption* b2, Caption* m2)
    {
        if (m_words.size() != 3)
            return;
        const QFontMetrics metrics(m_type);
        const int thickness = std::max(3, m_type.pixelSize() / 16);
        const int gap = 2 * thickness;
        auto barUnder = [&](const Caption* top, const Caption* bottom) {
            const QRect over = top->inkRect(), under = bottom->inkRect();
            const int y = (over.bottom() + under.top()) / 2 - thickness / 2;
            return QRect(std::min(over.left(), under.left()) - thickness, y,
                         std::max(over.right(), under.right()) - std::min(over.left(), under.left())
                             + 1 + 2 * thickness,
                         thickness);
        };
        const int middleInk = metrics.tightBoundingRect(m_words[1]).width();
        QRect given, proposed;
        int apart = 0;
        for (int pass = 0; pass < 2; ++pass) {
            for (Caption* number : {b1, m1})
                placeNumber(number, (apart + 1) / 2);
            for (Caption* number : {b2, m2})
                placeNumber(number, -(apart / 2));
            given = barUnder(b1, m1);
            proposed = barUnder(b2, m2);
            const int room = given.left() - proposed.right() - 1;
            if (room >= middleInk + 2 * gap)
                break;
            apart = middleInk + 2 * gap - room;
        }

        // Each word's box: its advance wide, one line high, the sentence's
        // ink middle on the bars.
        const QRect ink = metrics.tightBoundingRect(m_words.join(u' '));
        const int top = given.center().y() - (ink.top() + ink.bottom()) / 2 - metrics.ascent();
        auto wordBox = [&](const QString& word) {
            return QRect(0, top, metrics.horizontalAdvance(word), metrics.height());
        };
        QRect right = wordBox(m_words[0]);
        right.moveLeft(given.right() + 1 + gap);
        QRect middle = wordBox(m_words[1]);
        middle.moveLeft((proposed.right() + given.left()) / 2 - middle.width() / 2);
        QRect left = wordBox(m_words[2]);
        left.moveRight(proposed.left() - 1 - gap);

        const QRect area = m_designed | right | middle | left | given | proposed;
        setGeometry(area);
        m_pieces = {right, middle, left, given, proposed};
        for (QRect& piece : m_pieces)
            piece.translate(-area.topLeft());
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (m_pieces.size() != 5)
            return;
        QPainter painter(this);
        painter.setFont(m_type);
        painter.setPen(m_colour);
        for (int i = 0; i < 3; ++i) {
            painter.drawText(m_pieces[std::size_t(i)], Qt::AlignCenter | Qt::TextDontClip,
                             rightToLeft(m_words[i]));
        }
        painter.fillRect(m_pieces[3], m_colour);
        painter.fillRect(m_pieces[4], m_colour);
    }

private:
    // A number at its designed place (widened about its centre when its
    // text needs it), moved `shift` pixels to the right.
    static void placeNumber(Caption* number, int shift)
    {
        const QRect designed = number->designedGeometry();
        const int left = number->width() > designed.width()
                             ? designed.center().x() - number->width() / 2
                             : designed.left();
        number->move(left + shift, number->y());
    }

    QRect m_designed;
    QColor m_colour;
    QFont m_type;
    QStringList m_words;
    std::vector<QRect> m_pieces;
};

QColor Form3::plainColour()
{
    // The desktop's window-background colour is the palette's base colour.
    return QApplication::palette().color(QPalette::Base);
}

Form3::Form3(ScreenHost& host)
    : DrillScreen(ScreenId::Form3, host,
                  {.background = twips(0, 720, 12105, 8220), .questionsLeftTwips = 3240}),
      m_drill(random(), feedback())
{
    follow(m_drill);
    m_sentence = new Sentence(this, twips(1860, 2040, 8835, 1125),
                              QStringLiteral("مقلوب الكسر ــ هو ــ :"), QColor(0xffffc0));
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
    m_rightBox->setAccessibleName(QStringLiteral("مربع صح"));
    m_wrongBox->setAccessibleName(QStringLiteral("مربع خطأ"));
    // The boxes take no pointer events: their rims count as background, so
    // moving from one mark to the other always clears both.
    for (FilledShape* box : {m_rightBox, m_wrongBox})
        box->setAttribute(Qt::WA_TransparentForMouseEvents);

    addMessageLabel(twips(5190, 6960, 1635, 645), Qt::white);
    m_answerKey = new Caption(this, QStringLiteral("Label10"), twips(720, 6360, 735, 615),
                              CaptionLook{});
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
                box->setFill(litColour());
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

Form3::~Form3() = default;

void Form3::load()
{
    act([this] { m_drill.start(); });
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
    m_sentence->arrange(m_b1, m_m1, m_b2, m_m2);
    m_answerKey->setCaption(QString(QChar::fromLatin1(m_drill.answerKey())));

    m_rightMark->setEnabled(m_drill.marksEnabled());
    m_wrongMark->setEnabled(m_drill.marksEnabled());
}
