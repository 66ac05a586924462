// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the screen tests share: a navigator with every screen registered and
// its services replaced by fakes that record what they were asked.

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <vector>

#include "app/navigator.h"
#include "app/screens.h"
#include "common/random_source.h"
#include "ui/drill_screen.h"

// Lets GoogleTest print Qt texts readably when a comparison fails.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

// The draw that makes below(11) give `value`.
inline double drawOf(int value) { return (value + 0.5) / 11.0; }

struct FakeServices {
    std::vector<Verdict> sounds;
    std::function<void(Verdict)> onSound;  // runs inside the "sound"
    std::vector<QString> launched;
    std::vector<QString> notices;  // title, then text
    // Each screen's source draws 3/4 ÷ 2/5 (draws come as b1, b2, m1, m2), three times over.
    std::vector<double> draws = [] {
        std::vector<double> units;
        for (int problem = 0; problem < 3; ++problem)
            for (int value : {3, 2, 4, 5})
                units.push_back(drawOf(value));
        return units;
    }();
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
            fakes.notices.push_back(title);
            fakes.notices.push_back(text);
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
        ScreenWindow* window = navigator.screen(screen);
        return window && window->isVisible();
    }

    // A click with the left button, as the pupil makes it on a visible control.
    void click(ScreenId screen, const char* name)
    {
        QWidget* target = control(screen, name);
        ASSERT_NE(target, nullptr) << name;
        ASSERT_TRUE(target->isVisible()) << name;
        QTest::mouseClick(target, Qt::LeftButton);
    }

    QTimer* timer(ScreenId screen, const char* name) { return control<QTimer>(screen, name); }
    // A running timer's tick, without waiting for it.
    void tick(ScreenId screen, const char* name)
    {
        ASSERT_TRUE(timer(screen, name) && timer(screen, name)->isActive()) << name;
        static_cast<DrillScreen*>(navigator.screen(screen))->fireTimer(QString::fromLatin1(name));
    }

    // A key as the keyboard sends it: to the focused control, or to the
    // window when none has the focus.
    void key(ScreenId screen, Qt::Key which)
    {
        QWidget* window = navigator.screen(screen);
        QWidget* focused = window->focusWidget();
        QTest::keyClick(focused && focused->isVisible() ? focused : window, which);
    }

    FakeServices fakes;
    Navigator navigator;
};

class ScreenTest : public ::testing::Test, public Program {};
