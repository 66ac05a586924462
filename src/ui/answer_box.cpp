// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/answer_box.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextBoundaryFinder>
#include <QValidator>
#include <algorithm>

#include "common/digit_key_filter.h"
#include "ui/type_face.h"

namespace {

// Whether a character of a key's text is typed, rather than the control
// character an editing key carries (X11 gives Delete as 127 and Ctrl+V as 22).
// Backspace, Enter and Escape count as typed: the digit filter judges them.
bool typedCharacter(char32_t code)
{
    return code == 8 || code == 13 || code == 27 || QChar::category(code) != QChar::Other_Control;
}

// Whether every character the key's text types passes the digit filter. The
// text may hold several characters (the lam-alef key types two letters) and
// characters beyond 16 bits (an emoji), so it is read code point by code point.
bool passesDigitFilter(const QString& text)
{
    const QList<uint> codes = text.toUcs4();
    return std::all_of(codes.begin(), codes.end(), [](uint code) {
        return !typedCharacter(code) || digitKeyFilter(int(code)) != 0;
    });
}

// Where the characters of a text start, and where the last one ends.
// Characters are what the pupil sees as one (grapheme clusters): a letter
// with its vowel mark, a flag, an emoji with its skin tone.
QList<qsizetype> characterBounds(const QString& text)
{
    QList<qsizetype> bounds{0};
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype at = finder.toNextBoundary(); at > 0; at = finder.toNextBoundary())
        bounds.push_back(at);
    return bounds;
}

// Texts longer than this, in UTF-16 units, are first measured by their start alone: far
// more than any box can show whole.
constexpr qsizetype widthSample = 4096;

qsizetype characterCount(const QString& text) { return characterBounds(text).size() - 1; }

// Whether QLineEdit draws the text whole in this type inside the room (its
// contents rectangle), and with what top margin the text's ink is centred.
//
// QLineEdit lays the text out in the room less the text margins, clips to
// that, keeps two pixels clear on each side and scrolls a text wider than
// what is left. Its own vertical centring centres the font's line, whose
// Naskh ascent leaves digits high and the "×" of a fallback face low, so
// the box aligns the line to the top instead: the baseline then lies one
// pixel (QLineEdit's vertical margin) plus the ascent below the top margin,
// which is set to centre the ink. The ink must keep a pixel clear of the
// room's edges, for antialiasing and hinting, and stay inside the clip.
bool placeWhole(const QFont& type, const QString& text, const QRect& room, int& topMargin)
{
    constexpr int sideMargin = 2;
    const int band = room.width() - 2 * sideMargin;
    const int used = qRound(QFontMetricsF(type).horizontalAdvance(text)) + 1;
    if (used > band)
        return false;
    QPainterPath outline;
    outline.addText(QPointF(0, 0), type, text);
    const QRectF ink = outline.boundingRect();
    const int baseline = qRound(room.y() + room.height() / 2.0 - ink.center().y());
    topMargin = baseline - QFontMetrics(type).ascent() - 1 - room.y();
    const QRect clip = room.adjusted(0, topMargin, 0, 0);
    const QRectF placed = ink.translated(room.x() + sideMargin - (used - band) / 2, baseline);
    return QRectF(room.adjusted(1, 1, -1, -1) & clip).contains(placed);
}

// Holds a box to its limit of characters whichever way text gets in: typing,
// pasting, dropping, an input method, setText. Like QLineEdit's own maxLength
// it cuts what was inserted and keeps the text already there, but it counts
// characters and never cuts one in two.
class CharacterLimit : public QValidator {
public:
    CharacterLimit(int limit, QObject* parent) : QValidator(parent), m_limit(std::max(0, limit)) {}

    State validate(QString& text, int& cursor) const override
    {
        const QList<qsizetype> bounds = characterBounds(text);
        if (bounds.size() - 1 > m_limit)
            cutInserted(text, cursor, bounds);
        m_accepted = text;
        return Acceptable;
    }

private:
    void cutInserted(QString& text, int& cursor, const QList<qsizetype>& bounds) const
    {
        // The inserted piece lies between what the text shares with the last
        // accepted text at its start and at its end, widened to whole characters.
        const qsizetype shorter = std::min(text.size(), m_accepted.size());
        qsizetype start = 0;
        while (start < shorter && text.at(start) == m_accepted.at(start))
            ++start;
        qsizetype tail = 0;
        while (tail < shorter - start &&
               text.at(text.size() - 1 - tail) == m_accepted.at(m_accepted.size() - 1 - tail))
            ++tail;
        const qsizetype first =
            std::upper_bound(bounds.begin(), bounds.end(), start) - bounds.begin() - 1;
        const qsizetype last =
            std::lower_bound(bounds.begin(), bounds.end(), text.size() - tail) - bounds.begin();

        // Keep as many of the piece's characters as there is room for; a mark
        // or joiner at the cut could still merge characters, hence the recount.
        const QString after = text.mid(bounds[last]);
        for (qsizetype kept =
                 std::min(m_limit - first - (bounds.size() - 1 - last), last - first - 1);
             kept >= 0; --kept) {
            const qsizetype cut = bounds[first + kept];
            const QString shortened = text.left(cut) + after;
            if (characterCount(shortened) <= m_limit) {
                if (cursor >= bounds[last])
                    cursor -= int(bounds[last] - cut);
                else
                    cursor = int(std::min<qsizetype>(cursor, cut));
                text = shortened;
                return;
            }
        }
        // Even the text around the piece is too long (deleting the joiner
        // inside an emoji sequence splits one character into several): keep
        // the text's first characters.
        text.truncate(bounds[m_limit]);
        cursor = int(std::min<qsizetype>(cursor, text.size()));
    }

    qsizetype m_limit;
    mutable QString m_accepted;  // the text last let in, to tell what is inserted
};

}  // namespace

AnswerBox::AnswerBox(QWidget* parent, const QString& name, const QRect& box,
                     const AnswerBoxLook& look, const QString& accessibleName)
    : QLineEdit(parent),
      m_digitsOnly(look.digitsOnly),
      m_designedType(typeface::arabic(look.points, look.bold))
{
    setObjectName(name);
    setAccessibleName(accessibleName);
    setLayoutDirection(Qt::RightToLeft);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);  // centred by fitType's top margin
    setFont(m_designedType);
    setValidator(new CharacterLimit(look.maxLength, this));
    setGeometry(box);
    QPalette colours = palette();
    colours.setColor(QPalette::Text, look.colour);
    colours.setColor(QPalette::Base, Qt::white);
    setPalette(colours);
    // Composed input would bypass the key filter; digits need no composing.
    if (m_digitsOnly)
        setAttribute(Qt::WA_InputMethodEnabled, false);
    connect(this, &QLineEdit::textChanged, this, &AnswerBox::fitType);
    fitType();
}

void AnswerBox::keyPressEvent(QKeyEvent* event)
{
    if (m_digitsOnly && !passesDigitFilter(event->text())) {
        if (!(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
            event->accept();  // the character is dropped
            return;
        }
        // With a modifier held the key may be a shortcut (Ctrl+V may come as
        // "v"): the line edit gets the key without its text, so it can act on
        // the shortcut but has nothing to type.
        QKeyEvent bare(event->type(), event->key(), event->modifiers(), event->nativeScanCode(),
                       event->nativeVirtualKey(), event->nativeModifiers(), QString(),
                       event->isAutoRepeat(), event->count());
        QLineEdit::keyPressEvent(&bare);
        event->setAccepted(bare.isAccepted());
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void AnswerBox::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    fitType();
}

// Picks the designed type if the text shows whole in it, else the largest
// smaller type that does, and sets the top margin that centres the text.
void AnswerBox::fitType()
{
    // An empty box keeps the designed type, its line placed as for a digit so
    // the cursor stands where the pupil's digits will.
    const bool empty = displayText().isEmpty();
    const QString shown = empty ? QStringLiteral("0") : displayText();
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect room = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    QFont type = m_designedType;
    int topMargin = 0;
    if (!empty && (shown.size() > widthSample || !placeWhole(type, shown, room, topMargin))) {
        // Widths grow with the type's size, so the width at the designed size tells
        // roughly which size fits: start a little above it and go down. Each try lays the
        // whole text out, which for a pasted megabyte takes most of a second, so a long
        // text is first judged by its start.
        const double wide = QFontMetricsF(type).horizontalAdvance(shown.left(widthSample));
        const double fitting = type.pixelSize() * (room.width() - 4) / std::max(wide, 1.0);
        if (fitting >= 1) {
            type.setPixelSize(std::clamp(int(fitting) + 2, 1, type.pixelSize() - 1));
            while (!placeWhole(type, shown, room, topMargin) && type.pixelSize() > 1)
                type.setPixelSize(type.pixelSize() - 1);
        } else {
            // Too wide for the smallest type: no size shows it whole, and a new type would
            // cost another layout of it all. It keeps the designed type, placed as a digit.
            placeWhole(type, QStringLiteral("0"), room, topMargin);
        }
    }
    if (type != font())
        setFont(type);
    if (textMargins() != QMargins(0, topMargin, 0, 0))
        setTextMargins(0, topMargin, 0, 0);
}
