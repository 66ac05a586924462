#include "common/leading_number.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

const double kInf = std::numeric_limits<double>::infinity();

// Exact comparison: the drills compare answers exactly.
void expectReads(const std::vector<std::pair<std::string, double>>& cases)
{
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(leadingNumber(text), expected) << "text \"" << text << "\"";
    }
}

TEST(LeadingNumber, BlanksSignsPointsAndExponents)
{
    expectReads({
        {"1 2", 12}, {"\t1\t2\n", 12}, {"\n1\n2", 12}, {"- 5", -5}, {" +  7", 7}, {"1 . 5", 1.5},
        {"1 e - 3", 0.001}, {"& H F F", 255}, {"--5", 0}, {"-", 0}, {"007", 7}, {"5.", 5},
        {".5", 0.5}, {"-.25", -0.25}, {".", 0}, {"1.2.3", 1.2}, {"2E3", 2000}, {"2e+3", 2000},
        {".5e1", 5}, {"5.e1", 50}, {"2e", 2}, {"2e+", 2}, {"1e5.5", 100000}, {".e5", 0},
        {"-inf", 0}, {"nan", 0}, {"+infinity", 0},
    });
}

TEST(LeadingNumber, StopsAtAStrayCharacterAndReadsZeroWithoutANumber)
{
    expectReads({
        {"12abc", 12}, {"1\r2", 1}, {"\n1\r\n2", 1}, {"\r5", 0}, {"7÷2", 7}, {"1,5", 1},
        {"12 أ", 12}, {std::string("5\0" "6", 3), 5}, {"", 0}, {" ", 0}, {"x12", 0},
        {"9\xC2\xA0" "1", 9},  // a no-break blank is not a blank here
        // Nor is an ampersand without H or O, an Arabic word or an Arabic-Indic digit a number.
        {"&", 0}, {"&X1F", 0}, {"خمسة", 0}, {"١٢", 0},
    });
}

TEST(LeadingNumber, HexadecimalAndOctal)
{
    expectReads({
        {"&HFF", 255}, {"&hf0", 240}, {"&H", 0}, {"&H10G", 16}, {"&H-1", 0}, {"&H1.8", 1},
        {"&H1p4", 1}, {"&O8", 0}, {"&O178", 15}, {"&O777", 511}, {"&o1234", 668}, {"&O12345", 5349},
        // 2^53 + 1 sits halfway and goes to the even neighbour; 2^53 + 3 goes up.
        {"&H20000000000001", 9007199254740992.0}, {"&H20000000000003", 9007199254740996.0},
        // One low bit far below the 53rd still breaks the tie upwards.
        {"&H200000000000010000001", 0x20000000000002p28}, {"&H200000000000010000000", 0x1p81},
        // 2^64 - 1 and 2^54 - 1 round up to the next power of two.
        {"&HFFFFFFFFFFFFFFFF", 0x1p64}, {"&O" + std::string(18, '7'), 0x1p54},
        {"&H1" + std::string(255, '0'), 0x1p1020}, {"&O2" + std::string(341, '0'), kInf},
    });
}

TEST(LeadingNumber, RoundsExactlyAsStrtodDoes)
{
    const std::string zeros(1000, '0');
    expectReads({
        {"0.1", 0.1}, {"1e-400", 0}, {"9007199254740993", 9007199254740992.0},
        {"9007199254740995", 9007199254740996.0}, {"1.7976931348623159e308", kInf},
        {"1.7976931348623157e308", 1.7976931348623157e308}, {"-1e309", -kInf},
        {"2.2250738585072011e-308", 2.2250738585072011e-308}, {"4.9e-324", 4.9e-324},
        // A digit a thousand places on still breaks a tie.
        {"9007199254740993" + zeros + "1e-1001", 9007199254740994.0},
        {"9007199254740993" + zeros + "e-1000", 9007199254740992.0},
        {"0." + zeros + "1e1001", 1},
    });

    // Random numbers against strtod in the "C" locale; every tenth has over 700 digits.
    std::mt19937_64 engine(20240611);
    std::uniform_int_distribution<int> digit(0, 9), length(1, 30), exponent(-340, 320);
    for (int i = 0; i < 300; ++i) {
        const int whole = i % 10 ? length(engine) : 700 + 10 * length(engine);
        std::string text = i % 2 ? "-" : "";
        for (int n = 0, end = whole + length(engine); n < end; ++n) {
            text += n == whole ? '.' : static_cast<char>('0' + digit(engine));
        }
        text += "e" + std::to_string(exponent(engine) - (whole > 100 ? whole : 0));
        EXPECT_EQ(leadingNumber(text), std::strtod(text.c_str(), nullptr)) << text;
    }
    // Exactly halfway between two doubles, written out in full (long double holds them):
    // about 750 significant digits decide which way the tie goes.
    for (long double half : {0x1p-1075L, 0x3p-1075L, 0x20000000000003p-1075L}) {
        char text[1200];
        std::snprintf(text, sizeof text, "%.1100Le", half);
        EXPECT_EQ(leadingNumber(text), std::strtod(text, nullptr)) << text;
    }
}

TEST(LeadingNumber, HugeTextsAreReadInOnePass)
{
    const auto start = std::chrono::steady_clock::now();
    const std::string nines(1'000'000, '9'), zeros(1'000'000, '0'), blanks(1 << 20, ' ');
    expectReads({
        {nines, kInf}, {"-" + nines, -kInf}, {zeros + "1", 1}, {"0." + zeros + "1", 0},
        {"0." + nines, 1}, {std::string(1'000'000, '1') + "e-999999", 1.1111111111111112},
        {blanks, 0}, {blanks + "7", 7}, {"1" + blanks + "2", 12}, {"1e" + nines, kInf},
        {"1e-" + nines, 0}, {"&H" + std::string(1'000'000, 'F'), kInf}, {"&H" + zeros + "1", 1},
        {"&O7" + zeros, kInf},
        // Too large or too small only once the exponent has moved the point.
        {"0." + zeros + "1e1000400", kInf}, {nines + "e-1000400", 0},
    });
    // A quadratic reading of these megabytes would take minutes.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

}  // namespace
