// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <map>
#include <memory>

#include "scoring/feedback.h"
#include "ui/screen_host.h"
#include "ui/screen_window.h"

class RandomSource;

// Shows, hides and switches the screens, ends the program and starts the
// sibling programs. Every screen reaches the others only through it.
//
// A screen opens where the screen it replaces stood, centred on it (the
// first one centred on the desktop), so moving between screens never makes
// the window jump. When hiding a screen, or closing it through its frame,
// leaves no screen visible, the program ends.
//
// It also hands the screens the services they share: the feedback sound,
// the random source for each drill, the way a sibling program is started and
// the message boxes that tell the pupil something. Tests replace these.
class Navigator final : public ScreenHost {
public:
    using Factory = std::function<std::unique_ptr<ScreenWindow>(Navigator&)>;

    Navigator();
    ~Navigator();
    Navigator(const Navigator&) = delete;
    Navigator& operator=(const Navigator&) = delete;

    // Makes a screen known. A screen that is not registered cannot be shown:
    // menu entries leading to it do nothing.
    void registerScreen(ScreenId id, Factory factory);
    bool isRegistered(ScreenId id) const;

    // The screen object, once it has been shown; null before.
    ScreenWindow* screen(ScreenId id) const;

    // Creates the screen and runs its load work the first time; then shows
    // it and brings it forward. Screens already shown stay usable.
    void showScreen(ScreenId id);
    // Hides the screen; its object, texts and running timers all stay.
    void hideScreen(ScreenId id);
    // Shows the target first, then hides the current screen.
    void goTo(ScreenId current, ScreenId target) override;
    // Ends the program at once: every screen's timers stop, every screen
    // closes and the event loop is left. Nothing is saved.
    void endProgram() override;
    bool programEnded() const { return m_ended; }

    // Starts the program at launchFolder + relativePath as a process of its
    // own, without waiting. A start that fails is told to the pupil.
    void launchSibling(const QString& launchFolder, const QString& relativePath);

    // Services.
    void playSound(Verdict verdict) override;
    void showNotice(QWidget* over, const QString& title, const QString& text) override;
    std::unique_ptr<RandomSource> makeRandomSource() override;

    using NoticeShower =
        std::function<void(QWidget* over, const QString& title, const QString& text)>;
    void setSoundPlayer(std::function<void(Verdict)> player);
    void setRandomSourceMaker(std::function<std::unique_ptr<RandomSource>()> maker);
    void setLauncher(std::function<bool(const QString& program)> launcher);
    // Every message box of the program goes through here.
    void setNoticeShower(NoticeShower shower);

private:
    // Shows the screen, placed over `replaced` when it is not visible yet.
    void show(ScreenId id, const QWidget* replaced);
    void endIfNoScreenShown();

    std::map<ScreenId, Factory> m_factories;
    std::map<ScreenId, std::unique_ptr<ScreenWindow>> m_screens;
    bool m_ended = false;
    ScreenId m_lastShown = ScreenId::Form1;

    std::function<void(Verdict)> m_playSound;
    std::function<std::unique_ptr<RandomSource>()> m_makeRandom;
    std::function<bool(const QString&)> m_launch;
    NoticeShower m_showNotice;
};

// The start folder of the sibling programs: the program folder with exactly
// one separator at its end.
QString withTrailingSeparator(const QString& folder);

// What the pupil reads when a sibling program cannot be started.
QString launchFailureMessage(const QString& program);
