#include "common/digit_key_filter.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(DigitKeyFilter, KeepsDigitsAndBackspaceDropsEveryOtherCode)
{
    const std::set<int> kept = {8, '0', '1', '2', '3', '4', '5', '6', '7', '8', '9'};
    for (int code = 0; code < 256; ++code) {
        const int expected = kept.count(code) != 0 ? code : 0;
        EXPECT_EQ(digitKeyFilter(code), expected) << "code " << code;
    }
}

TEST(DigitKeyFilter, CodesOutsideOneByteAreDropped)
{
    // Enter and Escape among the named ones; Arabic-Indic digits and the
    // multiplication sign are not digits for the answer boxes.
    for (int code : {13, 27, -1, -48, 256, 0x0660, 0x0663, 0x06F3, 0x00D7, 0xFF10, 65535}) {
        EXPECT_EQ(digitKeyFilter(code), 0) << "code " << code;
    }
}

}  // namespace
