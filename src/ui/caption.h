// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QLabel>
#include <QRect>
#include <optional>
#include <string_view>

// How a caption is drawn: its type, its colour and where its text sits.
struct CaptionLook {
    enum class Align { Right, Centre };

    double points = 18;
    bool bold = true;
    QColor colour = Qt::black;
    Align align = Align::Right;
    // A face the design names ("Arial"), shaping Arabic through the Arabic
    // faces behind it; empty picks the face by the text.
    QString family{};
};

// A label with Arabic text laid out right to left at its designed place.
//
// Texts are always shown with a right-to-left base direction, whatever their
// first character, so "70÷10=" reads "=10÷70" from left to right. The text
// kept (and exposed to screen readers) is the caption as given.
//
// No text is ever cut: a caption whose text does not fit its designed box
// widens (a centred one about its centre, a right-aligned one leftwards from
// its right edge) and, if it must, grows in height about its middle, as far
// as its room allows. The room is the whole window unless the screen sets a
// narrower one (the score panel shares its strip between four labels). Only
// a text wider than its room shrinks its type.
class QTextLayout;

class Caption : public QLabel {
    Q_OBJECT

public:
    Caption(QWidget* parent, const QString& name, const QRect& designed, const CaptionLook& look,
            const QString& text = QString());

    void setCaption(const QString& text);
    QString caption() const { return m_caption; }

    // Where the letters of the caption fall, in its parent's coordinates.
    QRect inkRect() const;
    // Sets the caption up or down so that the middle of its letters stands at
    // height y of its parent (a sign level with the fraction bars beside it).
    void setInkMiddle(int y);
    // Moves the caption this far from the place it fits in, and keeps it
    // there whatever text it takes (a number set apart in a sentence).
    void setOffset(const QPoint& offset);

    // The part of the window the caption may spread into; an empty room
    // means the whole window.
    void setRoom(const QRect& room);

    // Whether the caption reacts to a click: it does once something listens
    // to clicked(). It then shows a pointing hand, and assistive technology
    // sees it as a button whose "press" action does what a click does.
    bool clickable() const { return m_clickable; }
    // What a click does: clicked(), unless the caption is switched off.
    void click();

signals:
    // The left button was pressed and released over the caption.
    void clicked();
    // The pointer moved over the caption (needs mouse tracking on).
    void pointerMoved();

protected:
    void connectNotify(const QMetaMethod& signal) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void fit();

    QRect m_designed;
    QRect m_room;
    CaptionLook m_look;
    QString m_caption;
    std::optional<int> m_inkMiddle;
    QPoint m_offset;
    bool m_clickable = false;
    bool m_pressed = false;
};

// The "الواجهة" label of a drill screen, 18 pt bold, black, centred, in its
// designed 945 × 420 twips box at (left, top): the way back to a menu.
Caption* makeHomeLabel(QWidget* screen, const QString& name, int leftTwips, int topTwips);

// The caption text as it is handed to Qt for display: with a right-to-left
// mark in front, so the base direction is right to left even for a text that
// starts with a digit or a sign; and with every run of digits and Latin
// letters that blanks or dots join into one ("0100 555 000", "Noto Naskh")
// isolated left to right, so that its parts keep their order. A single
// number or word needs no isolating, and signs such as "÷" and "=" end a
// run: "70÷10=" reads right to left, "=10÷70" from the left.
QString rightToLeft(const QString& text);

// Where the letters of a laid-out text fall, about the layout's top left:
// the ink, not the line's box.
QRectF glyphInk(const QTextLayout& layout);

// A text of the drill logic (UTF-8) as Qt text.
QString fromUtf8(std::string_view text);
