// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/screen_window.h"

class Navigator;

// Form7: the exercise menu, the program's main menu.
class ExerciseMenu final : public ScreenWindow {
    Q_OBJECT

public:
    explicit ExerciseMenu(Navigator& navigator);

    // Load work: works out the start folder of the sibling programs.
    void load() override;
    QString launchFolder() const { return m_launchFolder; }

private:
    Navigator& m_navigator;
    QString m_launchFolder;
};
