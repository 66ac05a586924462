#pragma once

// What the screen tests share: a navigator with every screen registered and
// its services replaced by fakes that record what they were asked.

#include <QApplication>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <vector>

#include "app/navigator.h"
#include "app/screens.h"
#include "common/random_source.h"

// Lets GoogleTest print Qt texts readably when a comparison fails.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

// The draw that makes below(11) give `value`.
inline double drawOf(int value) { return (value + 0.5) / 11.0; }

struct FakeServices {
    std::vector<Verdict> sounds;
    std::function<void(Verdict)> onSound;  // runs inside the "sound"
    std::vector<QString> launched;
    bool launchSucceeds = true;
    std::vector<QString> failures;
    // Drawn in turn: 3/4 ÷ 2/5 (draws come as b1, b2, m1, m2).
    std::vector<double> draws{drawOf(3), drawOf(2), drawOf(4), drawOf(5)};
};

inline void installFakes(Navigator& navigator, FakeServices& fakes)
{
    navigator.setSoundPlayer([&fakes](Verdict verdict) {
        fakes.sounds.push_back(verdict);
        if (fakes.onSound)
            fakes.onSound(verdict);
    });
    navigator.setRandomSourceMaker(
        [&fakes] { return std::make_unique<ScriptedRandomSource>(fakes.draws); });
    navigator.setLauncher([&fakes](const QString& program) {
        fakes.launched.push_back(program);
        return fakes.launchSucceeds;
    });
    navigator.setFailureReporter(
        [&fakes](QWidget*, const QString& message) { fakes.failures.push_back(message); });
}

// A navigator with the program's screens and fake services.
class ScreenTest : public ::testing::Test {
protected:
    ScreenTest()
    {
        installFakes(navigator, fakes);
        registerScreens(navigator);
    }

    template <typename T = QWidget>
    T* control(ScreenId screen, const char* name)
    {
        ScreenWindow* window = navigator.screen(screen);
        if (!window)
            return nullptr;
        return window->findChild<T*>(QString::fromLatin1(name));
    }

    bool shown(ScreenId screen)
    {
        ScreenWindow* window = navigator.screen(screen);
        return window && window->isVisible();
    }

    FakeServices fakes;
    Navigator navigator;
};
