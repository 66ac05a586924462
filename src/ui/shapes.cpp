// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shapes.h"

#include <QPainter>

#include "ui/caption.h"
#include "ui/geometry.h"

FilledShape::FilledShape(QWidget* parent, const QString& name, const QRect& box, const QColor& fill,
                         const QColor& border)
    : QWidget(parent), m_fill(fill), m_border(border)
{
    setObjectName(name);
    setGeometry(box);
}

void FilledShape::setFill(const QColor& fill)
{
    if (fill == m_fill)
        return;
    m_fill = fill;
    update();
}

void FilledShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_fill);
    painter.setPen(m_border);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

LineShape::LineShape(QWidget* parent, const QString& name, int x1Twips, int x2Twips, int yTwips,
                     const QColor& colour, int thickness)
    : QWidget(parent), m_colour(colour)
{
    setObjectName(name);
    // Most lines of the screens are fraction bars; the others are named where they are made.
    setAccessibleName(QStringLiteral("خط الكسر"));
    // Mouse clicks fall through a line to what lies under it.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const int left = twip::toPixels(std::min(x1Twips, x2Twips));
    const int right = twip::toPixels(std::max(x1Twips, x2Twips));
    const int y = twip::toPixels(yTwips);
    setGeometry(left, y - thickness / 2, right - left, thickness);
}

void LineShape::keepClearOf(const QRect& ink, int gap)
{
    const QRect line = geometry();
    if (ink.bottom() < line.top() || ink.top() > line.bottom())
        return;  // not level with the line
    QRect kept = line;
    if (ink.center().x() < line.center().x())
        kept.setLeft(std::max(line.left(), ink.right() + gap + 1));
    else
        kept.setRight(std::min(line.right(), ink.left() - gap - 1));
    setGeometry(kept);
}

void LineShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_colour);
}

QGroupBox* makeFrame(QWidget* parent, const QString& name, const QRect& box, const QString& caption,
                     const QFont& type, const QColor& captionColour, const QColor& fill)
{
    auto* frame = new QGroupBox(rightToLeft(caption), parent);
    frame->setObjectName(name);
    frame->setAccessibleName(caption);
    frame->setLayoutDirection(Qt::RightToLeft);
    frame->setFont(type);
    frame->setGeometry(box);
    QPalette colours = frame->palette();
    colours.setColor(QPalette::WindowText, captionColour);
    if (fill.isValid()) {
        colours.setColor(QPalette::Window, fill);
        frame->setAutoFillBackground(true);
    }
    frame->setPalette(colours);
    return frame;
}

void placeSignAmongBars(Caption* sign, std::initializer_list<LineShape*> bars)
{
    constexpr int gap = 6;
    sign->setInkMiddle(bars.begin()[0]->middle());
    for (LineShape* bar : bars)
        bar->keepClearOf(sign->inkRect(), gap);
}
