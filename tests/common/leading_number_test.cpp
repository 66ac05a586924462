#include "common/leading_number.h"

#include <gtest/gtest.h>

#include <chrono>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

const double kInf = std::numeric_limits<double>::infinity();

struct Case {
    std::string text;
    double expected;
};

void expectReads(const std::vector<Case>& cases)
{
    for (const Case& c : cases) {
        const double got = leadingNumber(c.text);
        // Exact comparison: the drills compare answers exactly.
        EXPECT_EQ(got, c.expected) << "text \"" << c.text << "\"";
    }
}

TEST(LeadingNumber, BlanksAreIgnoredWhereverTheyStand)
{
    expectReads({
        {"12", 12},
        {"  12", 12},
        {"12  ", 12},
        {"1 2", 12},
        {"\t1\t2\t", 12},
        {"\n1\r\n2", 12},
        {"- 5", -5},
        {" +  7", 7},
        {"1 . 5", 1.5},
        {"1e 3", 1000},
        {"1 e - 3", 0.001},
        {"& H F F", 255},
        {"&o 1 7", 15},
    });
}

TEST(LeadingNumber, SignsPointsAndExponents)
{
    expectReads({
        {"0", 0},
        {"-0", 0},
        {"+3", 3},
        {"-3", -3},
        {"--5", 0},
        {"+-5", 0},
        {"-", 0},
        {"+", 0},
        {"5.", 5},
        {".5", 0.5},
        {"-.25", -0.25},
        {".", 0},
        {"-.", 0},
        {"1.2.3", 1.2},
        {"007", 7},
        {"2e3", 2000},
        {"2E3", 2000},
        {"2e+3", 2000},
        {"25e-1", 2.5},
        {".5e1", 5},
        {"5.e1", 50},
        {"2e", 2},
        {"2e+", 2},
        {"2e-", 2},
        {"2ex", 2},
        {"2e+-3", 2},
        {"1e5.5", 100000},
        {"1e0003", 1000},
        {".e5", 0},
        {"e5", 0},
    });
    EXPECT_TRUE(std::signbit(leadingNumber("-0")));
    EXPECT_FALSE(std::signbit(leadingNumber("abc")));
}

TEST(LeadingNumber, StopsAtTheFirstCharacterThatCannotContinue)
{
    expectReads({
        {"12abc", 12},
        {"3/4", 3},
        {"7÷2", 7},
        {"1,5", 1},
        {"4 5x6", 45},
        {"12 أ", 12},
        {"9\xC2\xA0" "1", 9},  // a no-break blank is not a blank here
        {std::string("5\0" "6", 3), 5},
    });
}

TEST(LeadingNumber, AnythingElseAtTheStartReadsZero)
{
    expectReads({
        {"", 0},
        {" ", 0},
        {" \t\r\n ", 0},
        {"abc", 0},
        {"x12", 0},
        {"خمسة", 0},
        {"٣", 0},   // Arabic-Indic three
        {"١٢", 0},  // Arabic-Indic twelve
        {"×", 0},
        {"*", 0},
        {"&", 0},
        {"&X1F", 0},
        {"&B101", 0},
        {"$5", 0},
        {"(5)", 0},
    });
}

TEST(LeadingNumber, HexadecimalAndOctal)
{
    expectReads({
        {"&HFF", 255},
        {"&hff", 255},
        {"&Hf0", 240},
        {"  &H1F", 31},
        {"&H", 0},
        {"&HG", 0},
        {"&H10G", 16},
        {"&H-1", 0},
        {"&H0", 0},
        {"&H000A", 10},
        {"&o17", 15},
        {"&O17", 15},
        {"&O", 0},
        {"&O8", 0},
        {"&O178", 15},
        {"&O777", 511},
        {"&HFFFFFFFFFFFFFFFF", 18446744073709551616.0},
        // 2^53 + 1 sits halfway and goes to the even neighbour; 2^53 + 3 goes up.
        {"&H20000000000001", 9007199254740992.0},
        {"&H20000000000003", 9007199254740996.0},
        // Beyond the 80 bits kept: one low bit far down still rounds up.
        {"&H200000000000010000001", std::ldexp(9007199254740994.0, 28)},
        {"&H200000000000010000000", std::ldexp(9007199254740992.0, 28)},
        {"&O" + std::string(18, '7'), 18014398509481984.0},  // 2^54 - 1 rounds up
        {"&H1" + std::string(255, '0'), std::ldexp(1.0, 1020)},
        {"&H" + std::string(256, 'F'), kInf},
        {"&O1" + std::string(341, '0'), std::ldexp(1.0, 1023)},
        {"&O2" + std::string(341, '0'), kInf},
        {"&H" + std::string(1'000'000, 'F'), kInf},
        {"&H" + std::string(1'000'000, '0') + "1", 1},
    });
}

TEST(LeadingNumber, RoundsExactlyAsStrtodDoes)
{
    expectReads({
        {"0.1", 0.1},
        {"0.3", 0.3},
        {"1.5", 1.5},
        {"9007199254740993", 9007199254740992.0},
        {"9007199254740995", 9007199254740996.0},
        {"1.7976931348623157e308", 1.7976931348623157e308},
        {"1.7976931348623159e308", kInf},
        {"-1e309", -kInf},
        {"4.9e-324", 4.9e-324},
        {"2.2250738585072011e-308", 2.2250738585072011e-308},
        {"1e-400", 0},
        // A digit far beyond the first eight hundred still breaks a tie.
        {"9007199254740993" + std::string(1000, '0') + "1e-1001", 9007199254740994.0},
        {"9007199254740993" + std::string(1000, '0') + "e-1000", 9007199254740992.0},
        {"0." + std::string(1000, '0') + "1e1001", 1},
    });
    EXPECT_TRUE(std::signbit(leadingNumber("-1e-400")));

    // Plain numbers in every shape, checked against strtod in the "C" locale;
    // every tenth one is long enough to be cut before conversion.
    std::mt19937_64 engine(20240611);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> length(0, 30);
    std::uniform_int_distribution<int> longLength(700, 900);
    std::uniform_int_distribution<int> exponent(-340, 320);
    for (int i = 0; i < 5000; ++i) {
        std::string text = i % 2 ? "-" : "";
        const int whole = (i % 10 ? length(engine) : longLength(engine)) + 1;
        for (int n = whole; n > 0; --n) {
            text.push_back(static_cast<char>('0' + digit(engine)));
        }
        text.push_back('.');
        for (int n = length(engine); n > 0; --n) {
            text.push_back(static_cast<char>('0' + digit(engine)));
        }
        const int shift = whole > 100 ? -whole : 0;
        text += "e" + std::to_string(exponent(engine) + shift);
        EXPECT_EQ(leadingNumber(text), std::strtod(text.c_str(), nullptr)) << text;
    }
}

TEST(LeadingNumber, TheLocaleCannotChangeThePoint)
{
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    bool switched = false;
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "ar_EG.UTF-8", "de_DE"}) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr) {
            switched = true;
            break;
        }
    }
    if (!switched) {
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    const double halfAndOne = leadingNumber("1.5");
    const double oneComma = leadingNumber("1,5");
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(halfAndOne, 1.5);
    EXPECT_EQ(oneComma, 1);
}

TEST(LeadingNumber, HugeTextsAreReadInOnePass)
{
    const auto start = std::chrono::steady_clock::now();
    const std::string million(1'000'000, '9');
    expectReads({
        {million, kInf},
        {"-" + million, -kInf},
        {std::string(1'000'000, '0') + "1", 1},
        {"0." + std::string(1'000'000, '0') + "1", 0},
        {"1." + std::string(1'000'000, '0'), 1},
        {"0." + million, 1},
        {std::string(1'000'000, '1') + "e-999999", 1.1111111111111112},
        {std::string(1 << 20, ' '), 0},
        {std::string(1 << 20, ' ') + "7", 7},
        {"1" + std::string(1 << 20, ' ') + "2", 12},
        {"1e" + million, kInf},
        {"1e-" + million, 0},
        {std::string(1 << 20, 'x'), 0},
        {std::string(1 << 20, '.'), 0},
    });
    // A quadratic reading of these megabytes would take minutes.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

}  // namespace
