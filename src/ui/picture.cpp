// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picture.h"

#include <QPainter>
#include <QSvgRenderer>

// The pictures are compiled into the toolkit's static library, whose
// resources must be registered by hand before the first use.
static void registerPictures()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(pictures);
        return true;
    }();
    (void)registered;
}

Picture::Picture(QWidget* parent, const QString& name, const QRect& box, const QString& source,
                 const QString& accessibleName)
    : QWidget(parent), m_source(source)
{
    registerPictures();
    setObjectName(name);
    setAccessibleName(accessibleName);
    setGeometry(box);
}

void Picture::setSource(const QString& source)
{
    if (source == m_source)
        return;
    m_source = source;
    m_rendered = QPixmap();
    update();
}

void Picture::paintEvent(QPaintEvent*)
{
    if (m_source.isEmpty())
        return;
    const qreal scale = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * scale).toSize();
    if (m_rendered.size() != pixels) {
        // Drawn once per size and kept: repaints only copy the pixels.
        m_rendered = QPixmap(pixels);
        m_rendered.fill(Qt::transparent);
        QSvgRenderer renderer(m_source);
        renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
        QPainter onPixmap(&m_rendered);
        renderer.render(&onPixmap, QRectF(QPointF(0, 0), QSizeF(pixels)));
        m_rendered.setDevicePixelRatio(scale);
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_rendered);
}

void Picture::mouseMoveEvent(QMouseEvent* event)
{
    emit pointerMoved();
    QWidget::mouseMoveEvent(event);
}

MarkPicture::MarkPicture(QWidget* parent, const QString& name, const QRect& box,
                         const QString& accessibleName)
    : Picture(parent, name, box, QString(), accessibleName)
{
}

void MarkPicture::setShows(Shows shows)
{
    m_shows = shows;
    switch (shows) {
    case Shows::Tick:
        setSource(pictures::tick);
        setAccessibleDescription(QStringLiteral("صح"));
        break;
    case Shows::Cross:
        setSource(pictures::cross);
        setAccessibleDescription(QStringLiteral("خطأ"));
        break;
    case Shows::Nothing:
        setSource(QString());
        setAccessibleDescription(QString());
        break;
    }
}

QIcon applicationIcon()
{
    registerPictures();
    // Drawn here rather than handed to Qt as an SVG file: that would load an
    // icon plugin and draw many more sizes than a window icon needs.
    QSvgRenderer renderer(pictures::icon);
    QIcon icon;
    for (const int side : {32, 64, 128}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
