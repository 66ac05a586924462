// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QWidget>

// A picture stretched over its box, drawn from one of the program's own
// pictures (SVG resources), so it stays sharp at any screen scale. An empty
// source shows nothing. The picture's accessible name says what it shows.
class Picture : public QWidget {
    Q_OBJECT

public:
    Picture(QWidget* parent, const QString& name, const QRect& box, const QString& source,
            const QString& accessibleName);

    void setSource(const QString& source);
    QString source() const { return m_source; }

signals:
    // The pointer moved over the picture (needs mouse tracking on).
    void pointerMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QString m_source;
    QPixmap m_rendered;  // the source drawn at the current size and scale
};

// A mark beside an answer box: a tick, a cross or nothing. Marks stand above
// every other control of their screen. A screen reader hears the mark's name
// and, as its description, the verdict it shows.
class MarkPicture : public Picture {
    Q_OBJECT

public:
    enum class Shows { Nothing, Tick, Cross };

    MarkPicture(QWidget* parent, const QString& name, const QRect& box,
                const QString& accessibleName);

    void setShows(Shows shows);
    Shows shows() const { return m_shows; }

private:
    Shows m_shows = Shows::Nothing;
};

// The program's icon, drawn from its picture at the sizes desktops ask for.
QIcon applicationIcon();

// The colour of the background picture's lower edge, for the strip of a
// window that the picture leaves uncovered.
inline const QColor menuBackground{0x47, 0x6e, 0x9c};

// The program's pictures.
namespace pictures {
inline const QString banner = QStringLiteral(":/pictures/banner.svg");
inline const QString background = QStringLiteral(":/pictures/background.svg");
inline const QString tick = QStringLiteral(":/pictures/tick.svg");
inline const QString cross = QStringLiteral(":/pictures/cross.svg");
inline const QString icon = QStringLiteral(":/pictures/icon.svg");
}  // namespace pictures
