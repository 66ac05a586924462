// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/fraction_sentence.h"

#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QRegularExpression>
#include <QTextLayout>
#include <cmath>

#include "ui/shapes.h"
#include "ui/type_face.h"

namespace {

// The least clear room between a bar and the digits above and below it.
constexpr int clearance = 3;

}  // namespace

// Where arrange() puts everything, worked out before anything moves.
struct FractionSentence::Placement {
    std::vector<QPoint> numerators, denominators;  // offsets from their fitted places
    std::vector<QRect> bars;
    std::vector<QPoint> words;  // where each word's layout stands
    bool fits = true;           // every word inside the window
};

FractionSentence::FractionSentence(QWidget* screen, const QString& name, const QRect& designed,
                                   const QString& sentence, const CaptionLook& look,
                                   std::vector<Fraction> fractions)
    : QLabel(sentence, screen),
      m_designed(designed),
      m_colour(look.colour),
      m_type(typeface::arabic(look.points, look.bold)),
      m_fractions(std::move(fractions))
{
    setObjectName(name);
    setAccessibleName(sentence);
    setTextFormat(Qt::PlainText);
    setAttribute(Qt::WA_TranslucentBackground);
    setGeometry(designed);
    if (!m_fractions.empty())
        stackUnder(m_fractions.front().numerator);

    // A run of "ــ" (the letters' joining stroke) or of two or more blanks
    // is a fraction's place; the pieces around them are the words.
    static const QRegularExpression places(QStringLiteral("\\x{0640}+| {2,}"));
    QStringList pieces = sentence.split(places);
    Q_ASSERT(pieces.size() == qsizetype(m_fractions.size()) + 1);
    pieces.resize(qsizetype(m_fractions.size()) + 1);
    for (const QString& piece : pieces) {
        Word word;
        word.layout = std::make_unique<QTextLayout>(rightToLeft(piece.trimmed()), m_type);
        QTextOption option;
        option.setTextDirection(Qt::RightToLeft);
        word.layout->setTextOption(option);
        word.layout->beginLayout();
        const QTextLine line = word.layout->createLine();
        word.layout->endLayout();
        word.ink = glyphInk(*word.layout).toAlignedRect();
        word.ascent = line.isValid() ? int(std::lround(line.ascent())) : 0;
        m_words.push_back(std::move(word));
    }
    for (const Fraction& fraction : m_fractions)
        m_designedBars.push_back(fraction.bar ? fraction.bar->geometry() : QRect());
}

FractionSentence::~FractionSentence() = default;

FractionSentence::Placement FractionSentence::place(const std::vector<QRect>& numerators,
                                                    const std::vector<QRect>& denominators,
                                                    bool designedSpans) const
{
    // A painted bar is as thick as the sentence's letter strokes; the bar
    // reaches that far past the digits, and a word keeps twice that from it.
    const int stroke = std::max(3, m_type.pixelSize() / 16);
    const int gap = 2 * stroke;
    const std::size_t count = m_fractions.size();
    Placement placed;

    // Each fraction: the numbers just far enough apart for the bar, and the
    // bar midway between them, across the wider number.
    for (std::size_t i = 0; i < count; ++i) {
        const int thickness = m_fractions[i].bar ? m_designedBars[i].height() : stroke;
        const int lack =
            thickness + 2 * clearance - (denominators[i].top() - numerators[i].bottom() - 1);
        const int up = lack > 0 ? (lack + 1) / 2 : 0;
        const int down = lack > 0 ? lack / 2 : 0;
        const QRect over = numerators[i].translated(0, -up);
        const QRect under = denominators[i].translated(0, down);
        int top = over.bottom() + 1 + (under.top() - over.bottom() - 1 - thickness) / 2;
        // A bar of its own keeps its designed height, and its numbers come to
        // it: the digits of our face stand higher in their boxes than the
        // design's did.
        const int lift = m_fractions[i].bar ? m_designedBars[i].top() - top : 0;
        top += lift;
        int left = std::min(over.left(), under.left()) - stroke;
        int right = std::max(over.right(), under.right()) + stroke;
        if (designedSpans && m_fractions[i].bar) {
            left = std::min(left, m_designedBars[i].left());
            right = std::max(right, m_designedBars[i].right());
        }
        placed.bars.emplace_back(QPoint(left, top), QPoint(right, top + thickness - 1));
        placed.numerators.emplace_back(0, lift - up);
        placed.denominators.emplace_back(0, lift + down);
    }

    // Where a word between two fractions lacks room, the fractions on its
    // right move right and those on its left move left, just enough.
    for (std::size_t word = 1; word < count; ++word) {
        const int room = placed.bars[word - 1].left() - placed.bars[word].right() - 1;
        const int lack = m_words[word].ink.width() + 2 * gap - room;
        if (lack <= 0)
            continue;
        for (std::size_t i = 0; i < count; ++i) {
            const int shift = i < word ? (lack + 1) / 2 : -(lack / 2);
            placed.bars[i].translate(shift, 0);
            placed.numerators[i].rx() += shift;
            placed.denominators[i].rx() += shift;
        }
    }

    // The words on one baseline, the middle of their letters level with the
    // bars; each beside its bars with a gap, one between two bars centred.
    QRect letters;
    for (const Word& word : m_words)
        letters |= word.ink.translated(0, -word.ascent);
    double barMiddle = 0;
    for (const QRect& bar : placed.bars)
        barMiddle += (bar.top() + bar.bottom() + 1) / 2.0 / double(count);
    const int baseline = int(std::lround(barMiddle - (letters.top() + letters.bottom() + 1) / 2.0));
    const int windowWidth = parentWidget()->width();
    for (std::size_t word = 0; word <= count; ++word) {
        const QRect& ink = m_words[word].ink;
        int inkLeft;
        if (word == 0) {
            inkLeft = placed.bars.front().right() + 1 + gap;
        } else if (word == count) {
            inkLeft = placed.bars.back().left() - gap - ink.width();
        } else {
            const int from = placed.bars[word].right() + 1;
            inkLeft = from + (placed.bars[word - 1].left() - from - ink.width()) / 2;
        }
        placed.words.emplace_back(inkLeft - ink.left(), baseline - m_words[word].ascent);
        if (!ink.isEmpty())
            placed.fits = placed.fits && inkLeft >= 0 && inkLeft + ink.width() <= windowWidth;
    }
    return placed;
}

void FractionSentence::arrange()
{
    if (m_fractions.empty())
        return;
    std::vector<QRect> numerators, denominators;
    for (const Fraction& fraction : m_fractions) {
        fraction.numerator->setOffset(QPoint());
        fraction.denominator->setOffset(QPoint());
        numerators.push_back(fraction.numerator->inkRect());
        denominators.push_back(fraction.denominator->inkRect());
        if (numerators.back().isEmpty() || denominators.back().isEmpty())
            return;  // nothing drawn yet
    }
    // A fraction's own bar keeps at least its designed span where the
    // sentence still fits the window that way.
    Placement placed = place(numerators, denominators, true);
    if (!placed.fits)
        placed = place(numerators, denominators, false);

    QRect area = m_designed;
    for (std::size_t i = 0; i < m_fractions.size(); ++i) {
        const Fraction& fraction = m_fractions[i];
        fraction.numerator->setOffset(placed.numerators[i]);
        fraction.denominator->setOffset(placed.denominators[i]);
        if (fraction.bar)
            fraction.bar->setGeometry(placed.bars[i]);
        else
            area |= placed.bars[i];
    }
    m_bars = std::move(placed.bars);
    for (std::size_t word = 0; word < m_words.size(); ++word) {
        m_words[word].at = placed.words[word];
        // Room for the soft edges of the letters.
        if (!m_words[word].ink.isEmpty())
            area |= m_words[word].ink.translated(m_words[word].at).adjusted(-2, -2, 2, 2);
    }
    setGeometry(area);
    update();
}

std::vector<QRect> FractionSentence::bars() const { return m_bars; }

std::vector<QRect> FractionSentence::wordInk() const
{
    std::vector<QRect> inks;
    for (const Word& word : m_words) {
        const QRect ink = glyphInk(*word.layout).toAlignedRect();
        if (!ink.isEmpty())
            inks.push_back(ink.translated(word.at));
    }
    return inks;
}

void FractionSentence::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.translate(-pos());  // placed in the parent's coordinates
    painter.setPen(m_colour);
    for (const Word& word : m_words)
        word.layout->draw(&painter, word.at);
    for (std::size_t i = 0; i < m_fractions.size() && i < m_bars.size(); ++i) {
        if (!m_fractions[i].bar)
            painter.fillRect(m_bars[i], m_colour);
    }
}
