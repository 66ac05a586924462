// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help_panel.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextLayout>

#include "ui/caption.h"
#include "ui/type_face.h"

namespace {

constexpr int border = 2;
constexpr int textMargin = 2;
constexpr int largestText = 28;  // pixels
const QColor panelFill(0xff, 0xfb, 0xe8);
const QColor panelBorder(0x1c, 0x2a, 0x4a);

// Whether the text, wrapped at word boundaries as the text box wraps it,
// fits the room in this type: no word wider than the room, and the lines of
// all its paragraphs (an empty one is a line too) no taller than the room.
bool fitsWrapped(const QFont& font, const QString& text, const QSize& room)
{
    QTextOption option;
    option.setTextDirection(Qt::RightToLeft);
    option.setWrapMode(QTextOption::WordWrap);
    qreal height = 0;
    for (const QString& paragraph : text.split(u'\n')) {
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(room.width());
            height += line.height();
            if (line.naturalTextWidth() > room.width())
                return false;
        }
        layout.endLayout();
    }
    return height <= room.height();
}

// The largest bold type, up to largestText pixels, in which every paragraph
// of the text fits the room.
QFont fitted(QFont font, const QSize& room, const QString& text)
{
    for (int pixels = largestText; pixels > 6; --pixels) {
        font.setPixelSize(pixels);
        if (fitsWrapped(font, text, room))
            return font;
    }
    font.setPixelSize(6);
    return font;
}

}  // namespace

HelpPanel::HelpPanel(QWidget* screen, const Design& design)
    : QGroupBox(QStringLiteral("المساعدة"), screen)
{
    setObjectName(QStringLiteral("help"));
    setAccessibleName(title());
    setLayoutDirection(Qt::RightToLeft);
    setGeometry(design.box);
    hide();
    // The caption stands in the strip above the text box.
    m_captionStrip = QRect(8, border, width() - 16, design.textBox.top() - border);
    setFont(design.captionPoints > 0
                ? typeface::arabic(design.captionPoints)
                : typeface::largestFitting(typeface::arabic(12), m_captionStrip.size(),
                                           {rightToLeft(title())}));

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("Txthelp"));
    m_text->setAccessibleName(title());
    m_text->setGeometry(design.textBox);
    m_text->setLayoutDirection(Qt::RightToLeft);
    m_text->setFont(typeface::arabic(12));
    m_text->setFrameShape(QFrame::NoFrame);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text->document()->setDocumentMargin(textMargin);
    QTextOption rightAligned = m_text->document()->defaultTextOption();
    rightAligned.setTextDirection(Qt::RightToLeft);
    rightAligned.setAlignment(Qt::AlignRight);
    m_text->document()->setDefaultTextOption(rightAligned);
    if (!design.pupilTypes) {
        m_text->setReadOnly(true);
        m_text->setFocusPolicy(Qt::NoFocus);
    }
}

void HelpPanel::setHelpText(const QString& text, int writes)
{
    if (text == m_written && writes == m_writes)
        return;
    m_written = text;
    m_writes = writes;
    // The room is worked out from the box's designed size, not from its
    // viewport, which Qt sizes only once the panel is first shown. The text
    // box has no frame; the document keeps its margin on every side, and a
    // pixel for the cursor across; the box scrolls once its lines, with the
    // margins and a pixel more, are taller than it.
    const QSize room = m_text->size() - QSize(2 * textMargin + 1, 2 * textMargin + 1);
    m_text->setFont(fitted(m_text->font(), room, text));
    m_text->setPlainText(text);
}

void HelpPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(panelBorder, border));
    painter.setBrush(panelFill);
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 5, 5);
    // The caption's letters are set in the middle of their strip, at its
    // right: in a designed type taller than the strip, its line would not
    // fit, but its ink does.
    const QString caption = rightToLeft(title());
    QPainterPath outline;
    outline.addText(QPointF(0, 0), font(), caption);
    const QRectF ink = outline.boundingRect();
    const QPointF at(m_captionStrip.right() - ink.right(),
                     m_captionStrip.center().y() + 0.5 - ink.center().y());
    painter.setPen(Qt::black);
    painter.drawText(at, caption);
}
