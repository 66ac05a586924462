// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the screen tests share: the program with every screen registered, its
// services replaced by fakes that record what they were asked, and the ways a
// pupil reaches and works a screen.

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "app/navigator.h"
#include "app/screens.h"
#include "common/random_source.h"
#include "ui/caption.h"
#include "ui/drill_screen.h"

// Lets GoogleTest print Qt texts and screens readably.
inline void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }
inline void PrintTo(ScreenId id, std::ostream* out) { *out << screenName(id).toStdString(); }

// The draw that makes below(n) give `value`.
inline double drawOf(int value, int n = 11) { return (value + 0.5) / n; }

struct FakeServices {
    std::vector<Verdict> sounds;
    std::function<void(Verdict)> onSound;  // runs inside the "sound"
    std::vector<QString> launched;
    std::vector<QString> notices;  // title, then text
    bool noticeExpected = false;   // any other notice fails the test at once
    // Each screen's source draws 3/4 ÷ 2/5 (draws come as b1, b2, m1, m2), three times over;
    // the long division reads them in pairs: 30 ÷ 2 comes out exact and is drawn again as 44 ÷ 5.
    std::vector<double> draws = {0.3, 0.2, 0.44, 0.53, 0.3, 0.2, 0.44, 0.53, 0.3, 0.2, 0.44, 0.53};
};

// The program with its screens and fake services.
struct Program {
    Program()
    {
        navigator.setSoundPlayer([this](Verdict verdict) {
            fakes.sounds.push_back(verdict);
            if (fakes.onSound)
                fakes.onSound(verdict);
        });
        navigator.setRandomSourceMaker(
            [this] { return std::make_unique<ScriptedRandomSource>(fakes.draws); });
        navigator.setLauncher([this](const QString& program) {
            fakes.launched.push_back(program);
            return true;
        });
        navigator.setNoticeShower([this](QWidget*, const QString& title, const QString& text) {
            EXPECT_TRUE(fakes.noticeExpected) << "unexpected notice: " << text.toStdString();
            fakes.notices.insert(fakes.notices.end(), {title, text});
        });
        registerScreens(navigator);
    }

    template <typename T = QWidget>
    T* control(ScreenId screen, const char* name)
    {
        ScreenWindow* window = navigator.screen(screen);
        return window ? window->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    }

    bool shown(ScreenId screen)
    {
        return navigator.screen(screen) && navigator.screen(screen)->isVisible();
    }

    bool visible(ScreenId screen, const char* name) { return control(screen, name)->isVisible(); }
    QString focused(ScreenId screen)
    {
        QWidget* focused = navigator.screen(screen)->focusWidget();
        return focused ? focused->objectName() : QString();
    }

    // What a control shows: nothing while it is hidden, else a caption's or a box's text, or
    // what a button or picture says to a screen reader.
    QString text(ScreenId screen, const char* name)
    {
        QWidget* widget = control(screen, name);
        if (!widget)
            return QStringLiteral("(no %1)").arg(name);
        if (!widget->isVisible())
            return {};
        if (auto* caption = qobject_cast<Caption*>(widget))
            return caption->caption();
        if (auto* box = qobject_cast<QLineEdit*>(widget))
            return box->text();
        if (auto* box = qobject_cast<QPlainTextEdit*>(widget))
            return box->toPlainText();
        return widget->accessibleName();
    }
    QStringList texts(ScreenId screen, std::initializer_list<const char*> names)
    {
        QStringList all;
        for (const char* name : names)
            all << text(screen, name);
        return all;
    }

    // A click with the left button, as the pupil makes it on a visible control.
    void click(ScreenId screen, const char* name)
    {
        QWidget* target = control(screen, name);
        ASSERT_NE(target, nullptr) << name;
        ASSERT_TRUE(target->isVisible()) << name;
        QTest::mouseClick(target, Qt::LeftButton);
    }

    // A key as the keyboard sends it: to the focused control, or to the
    // window when none has the focus.
    void key(ScreenId screen, Qt::Key which)
    {
        QWidget* window = navigator.screen(screen);
        QWidget* focused = window->focusWidget();
        QTest::keyClick(focused && focused->isVisible() ? focused : window, which);
    }

    // Empties the box, then types the text into it one key at a time, each
    // key carrying its character as the keyboard gives it.
    void type(ScreenId screen, const char* box, const char* keys)
    {
        auto* edit = control<QLineEdit>(screen, box);
        ASSERT_NE(edit, nullptr) << box;
        edit->clear();
        for (const QChar typed : QString::fromUtf8(keys)) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(typed));
            QApplication::sendEvent(edit, &press);
        }
    }

    QTimer* timer(ScreenId screen, const char* name) { return control<QTimer>(screen, name); }
    // A running timer's tick, without waiting for it.
    void tick(ScreenId screen, const char* name)
    {
        ASSERT_TRUE(timer(screen, name) && timer(screen, name)->isActive()) << name;
        static_cast<DrillScreen*>(navigator.screen(screen))->fireTimer(QString::fromLatin1(name));
    }

    // Shows the screen as a pupil finds it, beside or from the exercise menu,
    // with its first problem drawn: 3/4 ÷ 2/5 on Form2, 44 ÷ 5 on Form8.
    void open(ScreenId screen)
    {
        navigator.showScreen(ScreenId::Form7);
        if (screen == ScreenId::Form12)
            click(ScreenId::Form7, "Command8");
        else if (screen != ScreenId::Form7)
            navigator.goTo(ScreenId::Form7, screen);
        if (screen == ScreenId::Form2)
            tick(screen, "Timer1");
        if (screen == ScreenId::Form8) {
            click(screen, "Comq");
            tick(screen, "Timer1");
        }
    }

    FakeServices fakes;
    Navigator navigator;
};

class ScreenTest : public ::testing::Test, public Program {};

// Every screen of the program, and those that judge answers.
inline const ScreenId everyScreen[] = {ScreenId::Form1,  ScreenId::Form7, ScreenId::Form5,
                                       ScreenId::Form12, ScreenId::Form2, ScreenId::Form3,
                                       ScreenId::Form4,  ScreenId::Form6, ScreenId::Form8,
                                       ScreenId::Form9,  ScreenId::Form10};
