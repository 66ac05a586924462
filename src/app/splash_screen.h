// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/screen_window.h"

class Navigator;
class QTimer;

// Form1: the splash screen. Its Timer1 runs from the start; on its first
// tick the exercise menu opens, the splash screen hides and the timer stops
// for good.
class SplashScreen final : public ScreenWindow {
    Q_OBJECT

public:
    explicit SplashScreen(Navigator& navigator);

    QTimer* timer1() const { return m_timer1; }
    // What Timer1's tick does.
    void timer1Tick();

private:
    Navigator& m_navigator;
    QTimer* m_timer1;
};
