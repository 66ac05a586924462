// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/screen_window.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QFocusFrame>
#include <QKeyEvent>
#include <QPainter>

#include "ui/geometry.h"
#include "ui/picture.h"

namespace {

// The frame drawn around the focused control: a wide amber band with a thin
// dark edge inside it, so it shows on the blue pictures, on black and on
// white alike. It lets the pointer through. Being a focus frame, it is left
// out of what screen readers see, as Qt leaves out its own.
class FocusFrame final : public QFocusFrame {
public:
    static constexpr int band = 4;

    explicit FocusFrame(QWidget* screen) : QFocusFrame(screen)
    {
        setObjectName(QStringLiteral("focusFrame"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QRect outer = rect();
        const QColor amber(0xff, 0xb3, 0x00);
        painter.fillRect(outer.left(), outer.top(), outer.width(), band - 1, amber);
        painter.fillRect(outer.left(), outer.bottom() - band + 2, outer.width(), band - 1, amber);
        painter.fillRect(outer.left(), outer.top(), band - 1, outer.height(), amber);
        painter.fillRect(outer.right() - band + 2, outer.top(), band - 1, outer.height(), amber);
        painter.setPen(QColor(0x20, 0x20, 0x20));
        painter.drawRect(outer.adjusted(band - 1, band - 1, -band, -band));
    }
};

// Pictures, shapes and lines are plain widgets to Qt, which a screen reader would take for
// empty panes: they are pictures, and a line is a bar. Their names are given where they
// are made.
QAccessibleInterface* drawnPart(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget &&
        (className == QLatin1String("Picture") || className == QLatin1String("FilledShape")))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (widget && className == QLatin1String("LineShape"))
        return new QAccessibleWidget(widget, QAccessible::Separator);
    return nullptr;
}

}  // namespace

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
    static const bool describesDrawnParts = (QAccessible::installFactory(drawnPart), true);
    Q_UNUSED(describesDrawnParts);
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

void ScreenWindow::watchControls()
{
    m_watching = true;
    m_focusFrame = new FocusFrame(this);
    for (QWidget* control : findChildren<QWidget*>()) {
        if (control == m_focusFrame)
            continue;
        // Every control, for the presses that come too soon after showing.
        control->installEventFilter(this);
        if (control->focusPolicy() != Qt::NoFocus)
            m_focusable.push_back(control);
        if (qobject_cast<MarkPicture*>(control)) {
            m_marks.push_back(control);
            control->raise();
        }
    }
    if (QWidget* focused = focusWidget(); focused && focused->hasFocus())
        frameFocus(focused);
}

bool ScreenWindow::hasFocusableControl() const
{
    for (QWidget* control : m_focusable) {
        if (control->isVisibleTo(this) && control->isEnabled())
            return true;
    }
    return false;
}

bool ScreenWindow::tooSoonToClick() const
{
    return m_shown.isValid() && m_shown.elapsed() < QApplication::doubleClickInterval();
}

void ScreenWindow::frameFocus(QWidget* control)
{
    if (!control) {
        m_focusFrame->hide();
        return;
    }
    const QRect around(control->mapTo(this, QPoint(0, 0)), control->size());
    m_focusFrame->setGeometry(
        around.adjusted(-FocusFrame::band, -FocusFrame::band, FocusFrame::band, FocusFrame::band));
    m_focusFrame->raise();
    for (QWidget* mark : m_marks)
        mark->raise();
    m_focusFrame->show();
}

bool ScreenWindow::screenKey(QKeyEvent*) { return false; }

bool ScreenWindow::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (m_keyPreview && screenKey(static_cast<QKeyEvent*>(event)))
            return true;
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (tooSoonToClick())
            return true;
        break;
    case QEvent::FocusIn: frameFocus(static_cast<QWidget*>(watched)); break;
    case QEvent::FocusOut: frameFocus(nullptr); break;
    case QEvent::Hide:
        if (watched == focusWidget())
            frameFocus(nullptr);
        break;
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}

void ScreenWindow::keyPressEvent(QKeyEvent* event)
{
    // A key comes here either because no control has the focus, or because
    // the control that has it let the key pass. The latter was meant for the
    // control: preview has shown it to the screen already, or must keep it
    // from the screen.
    const QWidget* owner = focusWidget();
    const bool meantForControl = owner && owner != this && owner->isVisibleTo(this);
    if (!meantForControl && (m_keyPreview || !hasFocusableControl()) && screenKey(event))
        return;
    QWidget::keyPressEvent(event);
}

void ScreenWindow::showEvent(QShowEvent* event)
{
    m_shown.start();
    if (!m_watching)
        watchControls();
    QWidget::showEvent(event);
}

void ScreenWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    hide();
    emit closedThroughFrame();
}
