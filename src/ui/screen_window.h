// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QElapsedTimer>
#include <QString>
#include <QWidget>
#include <vector>

class QKeyEvent;

// The program's screens. No screen carries the number 11.
enum class ScreenId {
    Form1,
    Form2,
    Form3,
    Form4,
    Form5,
    Form6,
    Form7,
    Form8,
    Form9,
    Form10,
    Form12
};

// The object name of a screen's window ("Form7").
QString screenName(ScreenId id);

// The base of every screen: a window with a fixed client area given in
// twips, an optional plain background colour, and a key-preview flag. It
// keeps the rules every screen shares in one place:
//
//  - Keys. The screen's own key handling is screenKey(). While key preview
//    is on, it sees every key typed into one of the screen's controls before
//    that control does; when it returns true the control never sees the key.
//    While key preview is off, a key meant for a control never reaches it,
//    not even one the control ignores and lets pass (a line edit ignores
//    Escape and Return). The screen handles keys in its own right only when
//    it is their receiver: when it has no control that can take the focus,
//    or, with key preview on, when none has it. The flag is off at creation.
//  - Clicks. A press that comes within the desktop's double-click interval
//    of the screen's showing is dropped, so the second click of a
//    double-click on the screen before never lands on a control of this one
//    (a "خروج" standing where the last screen's "الواجهة" stood). Buttons and
//    clickable captions act only on a release that follows their own press.
//  - Focus. The focused control carries a clear frame around it.
//  - Marks. Tick and cross marks stand above every other control.
//  - Closing through the window frame only hides the screen.
//
// The controls are looked at when the screen is first shown, so a screen
// builds all of them in its constructor.
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

signals:
    // The pupil closed the window through its frame; it is hidden now.
    void closedThroughFrame();

protected:
    // The screen's key handling. Return true when the key has been used.
    virtual bool screenKey(QKeyEvent* event);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void watchControls();
    bool hasFocusableControl() const;
    bool tooSoonToClick() const;
    void frameFocus(QWidget* control);

    ScreenId m_id;
    bool m_keyPreview = false;
    bool m_watching = false;
    QElapsedTimer m_shown;
    QWidget* m_focusFrame = nullptr;
    std::vector<QWidget*> m_focusable;
    std::vector<QWidget*> m_marks;
};
