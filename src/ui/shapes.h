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

// A horizontal line from x1 to x2 (twips) at height y, such as a fraction bar.
class LineShape : public QWidget {
    Q_OBJECT

public:
    LineShape(QWidget* parent, const QString& name, int x1Twips, int x2Twips, int yTwips,
              const QColor& colour, int thickness = 2);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_colour;
};

// A group frame with a caption at its top right, filled with `fill` when
// that is a valid colour.
QGroupBox* makeFrame(QWidget* parent, const QString& name, const QRect& box,
                     const QString& caption, const QFont& type, const QColor& captionColour,
                     const QColor& fill = QColor());
