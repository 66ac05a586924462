// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit reaching for a drill screen: the build must stop here.
#include "drills/fraction_division/form2.h"
