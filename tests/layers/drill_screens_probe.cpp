// SPDX-License-Identifier: GPL-3.0-or-later
// A drill screen that reaches for the shell: the build must stop here.
#include "app/navigator.h"
