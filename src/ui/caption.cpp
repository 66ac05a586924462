// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/caption.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QRawFont>
#include <QTextLayout>

#include "ui/geometry.h"
#include "ui/type_face.h"

namespace {

constexpr QChar rightToLeftMark(0x200F);
constexpr QChar leftToRightIsolate(0x2066);
constexpr QChar popDirectionalIsolate(0x2069);

// What a left-to-right run is made of, and what may join its parts.
bool holdsRun(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c.isLetter() && c.script() == QChar::Script_Latin);
}

bool joinsRun(QChar c)
{
    return c == u' ' || c == u'.' || c == u'@' || c == u'_' || c == u'/' || c == u':';
}

// A caption as assistive technology sees it: text, named by its caption; or,
// once it reacts to a click, a button whose press action is the click, so
// that a screen reader or a switch device can leave a screen or choose a
// drill. Decided when asked rather than when made, since the caption becomes
// clickable only after it is made.
class CaptionInterface final : public QAccessibleWidget {
public:
    explicit CaptionInterface(Caption* caption) : QAccessibleWidget(caption) {}

    QAccessible::Role role() const override
    {
        return caption()->clickable() ? QAccessible::Button : QAccessible::StaticText;
    }
    QStringList actionNames() const override
    {
        return caption()->clickable() ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            caption()->click();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    Caption* caption() const { return static_cast<Caption*>(widget()); }
};

QAccessibleInterface* captionInterface(const QString& className, QObject* object)
{
    auto* caption = qobject_cast<Caption*>(object);
    return className == QLatin1String("Caption") && caption ? new CaptionInterface(caption)
                                                            : nullptr;
}

}  // namespace

QString rightToLeft(const QString& text)
{
    if (text.isEmpty())
        return text;
    QString shown(rightToLeftMark);
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size) {
        if (!holdsRun(text[i])) {
            shown += text[i++];
            continue;
        }
        // The run ends at its last digit or letter; joiners after it stay outside.
        qsizetype end = i + 1;
        bool joined = false;
        for (qsizetype next = end; next < size; ++next) {
            if (holdsRun(text[next])) {
                joined = joined || next > end;
                end = next + 1;
            } else if (!joinsRun(text[next])) {
                break;
            }
        }
        const QString run = text.mid(i, end - i);
        shown += joined ? QString(leftToRightIsolate) + run + popDirectionalIsolate : run;
        i = end;
    }
    return shown;
}

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

Caption::Caption(QWidget* parent, const QString& name, const QRect& designed,
                 const CaptionLook& look, const QString& text)
    : QLabel(parent), m_designed(designed), m_look(look)
{
    static const bool described = (QAccessible::installFactory(captionInterface), true);
    Q_UNUSED(described);
    setObjectName(name);
    setLayoutDirection(Qt::RightToLeft);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, look.colour);
    setPalette(colours);
    // Right-aligned in a right-to-left widget: Qt::AlignLeading is the right edge.
    setAlignment((look.align == CaptionLook::Align::Centre ? Qt::AlignHCenter : Qt::AlignLeading) |
                 Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    setGeometry(designed);
    setCaption(text);
}

void Caption::setCaption(const QString& text)
{
    if (text == m_caption && !text.isEmpty())
        return;
    m_caption = text;
    setText(rightToLeft(text));
    setAccessibleName(text);
    fit();
}

void Caption::setRoom(const QRect& room)
{
    m_room = room;
    fit();
}

void Caption::fit()
{
    QRect room = m_room;
    if (room.isEmpty()) {
        const QWidget* window = parentWidget();
        room = window ? window->rect() : m_designed;
    }

    QFont type = m_look.family.isEmpty()
                     ? typeface::forText(m_caption, m_look.points, m_look.bold)
                     : typeface::named(m_look.family, m_look.points, m_look.bold);
    const QString shown = text();
    auto neededWidth = [&](const QFont& f) {
        // A pixel on each side keeps the antialiased edges of the first and
        // last letters inside the box.
        return QFontMetrics(f).horizontalAdvance(shown) + 2;
    };
    while (neededWidth(type) > room.width() && type.pixelSize() > 6)
        type.setPixelSize(type.pixelSize() - 1);
    setFont(type);

    QRect box = m_designed;
    const int width = neededWidth(type);
    if (width > box.width()) {
        if (m_look.align == CaptionLook::Align::Centre)
            box.setLeft(m_designed.center().x() - width / 2);
        else
            box.setLeft(m_designed.right() + 1 - width);
        box.setWidth(width);
        // Stay inside the room, keeping the width.
        if (box.left() < room.left())
            box.moveLeft(room.left());
        if (box.right() > room.right())
            box.moveRight(room.right());
    }
    // The height of a line of this very text: measuring the font's general
    // line height would load a further font engine per size for nothing.
    const int height = QFontMetrics(type).boundingRect(shown).height();
    if (height > box.height()) {
        box.setTop(box.top() - (height - box.height()) / 2);
        box.setHeight(height);
        if (box.top() < room.top())
            box.moveTop(room.top());
        if (box.bottom() > room.bottom())
            box.moveBottom(room.bottom());
    }
    setGeometry(box.translated(m_offset));
    if (m_inkMiddle)
        move(x(), y() + *m_inkMiddle - inkRect().center().y());
}

void Caption::setInkMiddle(int y)
{
    m_inkMiddle = y;
    fit();
}

void Caption::setOffset(const QPoint& offset)
{
    if (offset == m_offset)
        return;
    move(pos() + offset - m_offset);
    m_offset = offset;
}

QRect Caption::inkRect() const
{
    // Laid out as QLabel draws a line of plain text: from the top of its box,
    // centred or against the right edge.
    QTextLayout layout(text(), font());
    QTextOption option;
    option.setTextDirection(Qt::RightToLeft);
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid())
        return QRect();
    const QRectF area = contentsRect();
    const qreal spare = area.width() - line.naturalTextWidth();
    const qreal left = m_look.align == CaptionLook::Align::Centre ? spare / 2 : spare;
    return glyphInk(layout)
        .translated(QPointF(pos()) + area.topLeft() + QPointF(left, 0))
        .toAlignedRect();
}

QRectF glyphInk(const QTextLayout& layout)
{
    QRectF ink;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QRawFont font = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i)
            ink |= font.boundingRect(glyphs[i]).translated(positions[i]);
    }
    return ink;
}

void Caption::connectNotify(const QMetaMethod& signal)
{
    if (signal == QMetaMethod::fromSignal(&Caption::clicked) && !m_clickable) {
        m_clickable = true;
        setCursor(Qt::PointingHandCursor);
    }
    QLabel::connectNotify(signal);
}

void Caption::click()
{
    if (m_clickable && isEnabled())
        emit clicked();
}

void Caption::mousePressEvent(QMouseEvent* event)
{
    if (m_clickable && event->button() == Qt::LeftButton) {
        m_pressed = true;
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void Caption::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        m_pressed = false;
    if (click) {
        emit clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void Caption::hideEvent(QHideEvent* event)
{
    m_pressed = false;
    QLabel::hideEvent(event);
}

void Caption::mouseMoveEvent(QMouseEvent* event)
{
    emit pointerMoved();
    QLabel::mouseMoveEvent(event);
}

Caption* makeHomeLabel(QWidget* screen, const QString& name, int leftTwips, int topTwips)
{
    return new Caption(screen, name, twips(leftTwips, topTwips, 945, 420),
                       CaptionLook{18, true, Qt::black, CaptionLook::Align::Centre},
                       QStringLiteral("الواجهة"));
}
