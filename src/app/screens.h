// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Navigator;

// Makes every screen of the program known to the navigator.
void registerScreens(Navigator& navigator);
