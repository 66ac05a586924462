#pragma once

#include <QColor>
#include <QSize>
#include <QString>
#include <QWidget>

class QKeyEvent;

// The program's screens. No screen carries the number 11.
enum class ScreenId { Form1, Form2, Form3, Form4, Form5, Form6, Form7, Form8, Form9, Form10, Form12 };

// The object name of a screen's window ("Form7").
QString screenName(ScreenId id);

// The base of every screen: a window with a fixed client area given in
// twips, an optional plain background colour, and a key-preview flag.
//
// The screen's own key handling is screenKey(). It sees the keys typed while
// the window itself has the focus (a screen with no control that can take
// it), and, while key preview is on, every key typed into any of its
// controls before that control does; when it returns true the control never
// sees the key. The flag is off when a screen is created.
class ScreenWindow : public QWidget {
    Q_OBJECT

public:
    ScreenWindow(ScreenId id, int widthTwips, int heightTwips, const QString& title,
                 const QColor& background = QColor());

    ScreenId id() const { return m_id; }

    // The screen's load work, run once when the screen is first shown.
    virtual void load() {}

    void setKeyPreview(bool on) { m_keyPreview = on; }
    bool keyPreview() const { return m_keyPreview; }

    // Routes the key presses of every control that can take the focus
    // through the screen's preview. Called once the controls are built.
    void watchKeys();

protected:
    // The screen's key handling. Return true when the key has been used.
    virtual bool screenKey(QKeyEvent* event);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    ScreenId m_id;
    bool m_keyPreview = false;
};
