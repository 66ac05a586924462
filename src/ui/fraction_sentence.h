// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QPoint>
#include <QRect>
#include <memory>
#include <vector>

#include "ui/caption.h"

class LineShape;
class QTextLayout;

// A sentence with fractions standing in it, such as "مقلوب الكسر ــ هو ــ :"
// around two fractions: the 72 pt numbers of each fraction one over the other
// with a bar between, and the words of the sentence beside the bars.
//
// The sentence marks each fraction's place with a run of "ــ" or of two or
// more blanks; the words are the pieces between, read from the right. The
// widget draws the words itself, placed from where the letters and digits
// really fall, so that no word touches a number and no bar crosses a digit
// in any typeface:
//
// - the numbers keep their designed places, except that two fractions move
//   apart just enough for the word between them, and a numerator moves up
//   and its denominator down just enough for the bar to clear both by 3 px;
// - each bar spans the wider number's digits and a margin and stands midway
//   between the two numbers. A fraction with a line of its own keeps that
//   line's designed height, its numbers coming up or down to it, and at
//   least its designed span where the sentence still fits the window so;
// - each word stands beside the bars with a gap, the middle of the words'
//   letters level with the bars.
//
// Its text and accessible name are the whole sentence as given, and it stands
// over its designed box, so screen readers find the sentence where it is seen.
class FractionSentence final : public QLabel {
    Q_OBJECT

public:
    struct Fraction {
        Caption* numerator;
        Caption* denominator;
        LineShape* bar = nullptr;  // the fraction's own bar, if it has one; else painted here
    };

    // The fractions come from the right, one for each place the sentence
    // marks. The sentence is drawn in the look's type and colour, beneath
    // the numbers.
    FractionSentence(QWidget* screen, const QString& name, const QRect& designed,
                     const QString& sentence, const CaptionLook& look,
                     std::vector<Fraction> fractions);
    ~FractionSentence() override;

    // Places the numbers, the bars and the words for the numbers shown now.
    void arrange();

    const std::vector<Fraction>& fractions() const { return m_fractions; }
    // Where each fraction's bar stands, in the parent's coordinates.
    std::vector<QRect> bars() const;
    // Where the letters of each word fall as drawn, in the parent's coordinates.
    std::vector<QRect> wordInk() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Word {
        std::unique_ptr<QTextLayout> layout;  // the word laid out right to left
        QRect ink;                            // where its letters fall in the layout
        int ascent = 0;                       // how far the layout's baseline is from its top
        QPoint at;                            // where the layout's top left stands in the parent
    };
    struct Placement;

    // Where everything goes for numbers whose digits fall at `numerators` and
    // `denominators` from their fitted places; with `designedSpans`, the bars
    // of their own keep at least their designed span.
    Placement place(const std::vector<QRect>& numerators, const std::vector<QRect>& denominators,
                    bool designedSpans) const;

    QRect m_designed;
    QColor m_colour;
    QFont m_type;
    std::vector<Fraction> m_fractions;
    std::vector<QRect> m_designedBars;  // the fractions' own bars as built
    std::vector<QRect> m_bars;          // where the bars stand now
    std::vector<Word> m_words;
};
