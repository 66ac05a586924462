#include "ui/caption.h"

#include <QFontMetrics>
#include <QMouseEvent>

#include "ui/type_face.h"

namespace {

constexpr QChar rightToLeftMark(0x200F);

}  // namespace

QString rightToLeft(const QString& text)
{
    if (text.isEmpty())
        return text;
    return QString(rightToLeftMark) + text;
}

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

Caption::Caption(QWidget* parent, const QString& name, const QRect& designed,
                 const CaptionLook& look, const QString& text)
    : QLabel(parent), m_designed(designed), m_look(look)
{
    setObjectName(name);
    setLayoutDirection(Qt::RightToLeft);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, look.colour);
    setPalette(colours);
    // Right-aligned in a right-to-left widget: Qt::AlignLeading is the right edge.
    setAlignment((look.align == CaptionLook::Align::Centre ? Qt::AlignHCenter : Qt::AlignLeading)
                 | Qt::AlignTop);
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

    QFont type = typeface::forText(m_caption, m_look.points, m_look.bold);
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
    setGeometry(box);
}

void Caption::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void Caption::mouseMoveEvent(QMouseEvent* event)
{
    emit pointerMoved();
    QLabel::mouseMoveEvent(event);
}
