// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/leading_number.h"

#include <gtest/gtest.h>

#include <limits>

TEST(LeadingNumber, ReadsTheNumberAtTheStartAsAnAnswerIsWritten)
{
    const double inf = std::numeric_limits<double>::infinity();
    const std::string zeros(1000, '0'), tie = "9007199254740993" + zeros;  // 2^53 + 1, then more
    const std::string nines(1'000'000, '9'), million(1'000'000, '0'), blanks(1 << 20, ' ');
    // clang-format off
    const std::pair<std::string, double> cases[] = {
        // Blanks anywhere, even inside a number; a carriage return or a no-break blank ends it.
        {"1 2", 12}, {"\t1\t2\n", 12}, {"- 5", -5}, {" +  7", 7}, {"1 . 5", 1.5}, {"1\r2", 1},
        {"1 e - 3", 0.001}, {"& H F F", 255}, {"9\xC2\xA0" "1", 9},
        // Signs, points and exponents; stray characters, and texts with no number at the start.
        {"--5", 0}, {".e5", 0}, {"-.25", -0.25}, {".", 0}, {"1.2.3", 1.2}, {"2E3", 2000},
        {"2e+3", 2000}, {"5.e1", 50}, {"2e+", 2}, {"1e5.5", 1e5}, {"7÷2", 7}, {"1,5", 1},
        {std::string("5\0" "6", 3), 5}, {"", 0}, {"خمسة", 0}, {"١٢", 0}, {"-inf", 0}, {"nan", 0},
        // Hexadecimal and octal; octal digits are regrouped, the first group padded.
        {"&hf0", 240}, {"&H", 0}, {"&H10G", 16}, {"&H-1", 0}, {"&H1.8", 1}, {"&", 0}, {"&X1F", 0},
        {"&O8", 0}, {"&O178", 15}, {"&o1234", 668}, {"&O12345", 5349},
        {"&O" + std::string(18, '7'), 0x1p54}, {"&O2" + std::string(341, '0'), inf},
        // Out of a double's range on either side, wherever the leading zeros and the exponent
        // put the point; a digit a thousand places on decides a tie; megabytes of digits, blanks
        // and exponent.
        {"1.7976931348623159e308", inf}, {"-1e309", -inf}, {"1e-400", 0}, {"4.9e-324", 4.9e-324},
        {"0." + zeros + "1e1001", 1}, {zeros + "1e-400", 0}, {tie + "1e-1001", 9007199254740994.0},
        {tie + "e-1000", 9007199254740992.0}, {nines, inf}, {"0." + million + "1", 0},
        {"1" + blanks + "2", 12}, {"1e" + nines, inf}, {"1e-" + nines, 0}, {nines + "e-1000400", 0},
        {"&H" + std::string(1'000'000, 'F'), inf}, {"0." + million + "1e1000400", inf}};
    // clang-format on
    for (const auto& [text, expected] : cases)  // exactly, as answers are compared
        EXPECT_EQ(leadingNumber(text), expected) << "text \"" << text.substr(0, 40) << "\"";
}
