// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "scoring/feedback.h"
#include "ui/screen_window.h"

class RandomSource;

// What a drill screen asks of the program around it: to leave for another
// screen, to end the program, to play a feedback sound, to tell the pupil
// something in a message box and to be given a random source. The navigator
// provides it; tests can too. So drill screens never reach into the shell.
class ScreenHost {
public:
    // Shows the target first, then hides the current screen.
    virtual void goTo(ScreenId current, ScreenId target) = 0;
    // Ends the program at once; nothing is saved.
    virtual void endProgram() = 0;
    // Plays the feedback sound and returns when it has ended.
    virtual void playSound(Verdict verdict) = 0;
    // A modal notice over `over` with one OK button; returns when the pupil
    // has closed it.
    virtual void showNotice(QWidget* over, const QString& title, const QString& text) = 0;
    // A random source of the screen's own.
    virtual std::unique_ptr<RandomSource> makeRandomSource() = 0;

protected:
    ~ScreenHost() = default;
};
