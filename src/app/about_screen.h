// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/screen_window.h"

class Navigator;

// Form12: the about screen, shown beside the exercise menu. "موافق" hides it.
class AboutScreen final : public ScreenWindow {
    Q_OBJECT

public:
    explicit AboutScreen(Navigator& navigator);
};
