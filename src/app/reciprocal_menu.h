// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

#include "ui/screen_window.h"

class FilledShape;
class Navigator;

// Form5: the reciprocal menu. Its options are labels; moving the pointer
// over an option lights the frame around it, and moving it over the
// background puts every frame back to the normal colour.
class ReciprocalMenu final : public ScreenWindow {
    Q_OBJECT

public:
    explicit ReciprocalMenu(Navigator& navigator);

    // The frames' two colours: the desktop's window background (normal) and
    // its inactive title bar (highlight).
    static QColor normalColour();
    static QColor highlightColour();

protected:
    bool screenKey(QKeyEvent* event) override;

private:
    Navigator& m_navigator;
};
