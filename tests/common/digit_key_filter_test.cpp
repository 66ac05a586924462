// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/digit_key_filter.h"

#include <gtest/gtest.h>

namespace {

TEST(DigitKeyFilter, KeepsDigitsAndBackspaceDropsEveryOtherCode)
{
    // Negative codes and every code up to 0xFFFF: Enter, Escape, Arabic-Indic and
    // full-width digits and the multiplication sign are all dropped.
    for (int code = -48; code <= 0xFFFF; ++code) {
        const bool kept = code == 8 || (code >= '0' && code <= '9');
        EXPECT_EQ(digitKeyFilter(code), kept ? code : 0) << "code " << code;
    }
}

}  // namespace
