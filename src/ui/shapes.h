// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QGroupBox>
#include <QWidget>

// A filled rectangle with a one-pixel border, as the panels and option
// frames of the screens are drawn. Its fill can change (the reciprocal
// menu lights its option frames).
class FilledShape : public QWidget {
    Q_OBJECT

public:
    FilledShape(QWidget* parent, const QString& name, const QRect& box, const QColor& fill,
                const QColor& border);

    void setFill(const QColor& fill);
    QColor fill() const { return m_fill; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_fill;
    QColor m_border;
};

class Caption;

// A horizontal line from x1 to x2 (twips) at height y, such as a fraction bar.
class LineShape : public QWidget {
    Q_OBJECT

public:
    LineShape(QWidget* parent, const QString& name, int x1Twips, int x2Twips, int yTwips,
              const QColor& colour, int thickness = 2);

    // The height of the line's middle in its parent.
    int middle() const { return geometry().center().y(); }
    // Stops the end of the line nearer to `ink` `gap` pixels short of it,
    // when the two stand level and would come closer than that.
    void keepClearOf(const QRect& ink, int gap);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_colour;
};

// A group frame with a caption at its top right, filled with `fill` when
// that is a valid colour.
QGroupBox* makeFrame(QWidget* parent, const QString& name, const QRect& box, const QString& caption,
                     const QFont& type, const QColor& captionColour, const QColor& fill = QColor());

// Sets a sign such as "=" or "÷" among the fraction bars beside it: the middle
// of its letters level with the bars, and each bar stopped a few pixels short
// of it, so that sign and bar never run into each other.
void placeSignAmongBars(Caption* sign, std::initializer_list<LineShape*> bars);
