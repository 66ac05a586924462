// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The key filter of the number boxes: a typed character's code comes back
// unchanged for the digits "0" to "9" (48 to 57) and for Backspace (8); every
// other code, Enter (13) and Escape (27) included, comes back as 0, which
// means "drop the character".
int digitKeyFilter(int code);
