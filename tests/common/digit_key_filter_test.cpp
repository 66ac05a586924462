// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/digit_key_filter.h"

#include <gtest/gtest.h>

TEST(DigitKeyFilter, KeepsDigitsAndBackspaceDropsEveryOtherCode)
{
    for (const int code : {48, 53, 57, 8})  // "0", "5", "9" and Backspace
        EXPECT_EQ(digitKeyFilter(code), code);
    // Enter, Escape, Delete, a blank, "/" and ":" either side of the digits, "-", "+", ".",
    // "x", and digits of other scripts (Arabic-Indic, Persian, full-width) or beyond one byte.
    for (const int code : {13, 27, 127, 32,    47,    58,     45,   43,   46,       120,       0,
                           -1, 7,  9,   0x660, 0x6F5, 0xFF10, 0xD7, 0xF7, 48 + 256, 53 + 65536})
        EXPECT_EQ(digitKeyFilter(code), 0) << "code " << code;
}
