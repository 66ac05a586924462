// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// The credit panel that the splash screen and the about screen share: the
// credit line, the grey panel behind the titles, the rights notice and the
// contact lines, all at the same places on both screens.
void buildCreditPanel(QWidget* screen);

// The dark colour behind the splash and about screens, which carry white and
// light-yellow texts.
inline constexpr unsigned creditBackground = 0x1c2a4a;
