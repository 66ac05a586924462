// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help_panel.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextDocument>

#include "ui/caption.h"
#include "ui/type_face.h"

namespace {

constexpr int border = 2;
constexpr int textMargin = 2;
const QColor panelFill(0xff, 0xfb, 0xe8);
const QColor panelBorder(0x1c, 0x2a, 0x4a);

// The largest bold type, up to 28 px, at which the text wrapped at the room's
// width fits the room.
QFont fitted(const QFont& base, const QSize& room, const QString& text)
{
    QFont font = base;
    for (int pixels = 28; pixels >= 6; --pixels) {
        font.setPixelSize(pixels);
        const QRect needed = QFontMetrics(font).boundingRect(
            QRect(0, 0, room.width(), 1 << 20), Qt::TextWordWrap | Qt::AlignRight, text);
        if (needed.width() <= room.width() && needed.height() <= room.height())
            break;
    }
    return font;
}

}  // namespace

HelpPanel::HelpPanel(QWidget* parent, const QString& name, const QRect& box,
                     const QString& caption, const QString& textName, const QRect& textBox)
    : QGroupBox(caption, parent)
{
    setObjectName(name);
    setAccessibleName(caption);
    setLayoutDirection(Qt::RightToLeft);
    setGeometry(box);
    // The caption fills the strip above the text box.
    setFont(typeface::largestFitting(typeface::arabic(12), QSize(width() - 16, textBox.top() - border),
                                     {rightToLeft(caption)}));

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(textName);
    m_text->setAccessibleName(caption);
    m_text->setGeometry(textBox);
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
}

void HelpPanel::setHelpText(const QString& text)
{
    if (text == m_text->toPlainText())
        return;
    const QSize room = m_text->viewport()->size() - QSize(2 * textMargin + 2, 2 * textMargin);
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
    painter.setPen(Qt::black);
    painter.setFont(font());
    painter.drawText(rect().adjusted(8, border, -8, 0), Qt::AlignTop | Qt::AlignRight | Qt::AlignAbsolute,
                     rightToLeft(title()));
}
