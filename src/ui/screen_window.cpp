#include "ui/screen_window.h"

#include <QEvent>
#include <QKeyEvent>

#include "ui/geometry.h"

QString screenName(ScreenId id)
{
    switch (id) {
    case ScreenId::Form1: return QStringLiteral("Form1");
    case ScreenId::Form2: return QStringLiteral("Form2");
    case ScreenId::Form3: return QStringLiteral("Form3");
    case ScreenId::Form4: return QStringLiteral("Form4");
    case ScreenId::Form5: return QStringLiteral("Form5");
    case ScreenId::Form6: return QStringLiteral("Form6");
    case ScreenId::Form7: return QStringLiteral("Form7");
    case ScreenId::Form8: return QStringLiteral("Form8");
    case ScreenId::Form9: return QStringLiteral("Form9");
    case ScreenId::Form10: return QStringLiteral("Form10");
    case ScreenId::Form12: return QStringLiteral("Form12");
    }
    return QString();
}

ScreenWindow::ScreenWindow(ScreenId id, int widthTwips, int heightTwips, const QString& title,
                           const QColor& background)
    : QWidget(nullptr), m_id(id)
{
    setObjectName(screenName(id));
    setWindowTitle(title);
    setLayoutDirection(Qt::RightToLeft);
    setFixedSize(twips(0, 0, widthTwips, heightTwips).size());
    if (background.isValid()) {
        QPalette colours = palette();
        colours.setColor(QPalette::Window, background);
        setPalette(colours);
        setAutoFillBackground(true);
    }
}

void ScreenWindow::watchKeys()
{
    for (QWidget* control : findChildren<QWidget*>()) {
        if (control->focusPolicy() != Qt::NoFocus)
            control->installEventFilter(this);
    }
}

bool ScreenWindow::screenKey(QKeyEvent*) { return false; }

bool ScreenWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (m_keyPreview && event->type() == QEvent::KeyPress)
        return screenKey(static_cast<QKeyEvent*>(event));
    return QWidget::eventFilter(watched, event);
}

void ScreenWindow::keyPressEvent(QKeyEvent* event)
{
    if (!screenKey(event))
        QWidget::keyPressEvent(event);
}
