// SPDX-License-Identifier: GPL-3.0-or-later
// The leading-number rule against strtod. The harness reads the text its own
// way, by the rule's description alone: it drops the blanks, finds the longest
// number the rule allows at the start, and hands exactly that to strtod
// (hexadecimal and octal as a "0x" text). Both results must be the same double,
// bit for bit, and the rule must take no more than the time limit.

#include <bit>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/leading_number.h"
#include "fuzz_support.h"

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isHexDigit(char c)
{
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
bool isOctalDigit(char c) { return c >= '0' && c <= '7'; }

std::size_t digitsFrom(std::string_view text, std::size_t at, bool (*digit)(char))
{
    std::size_t end = at;
    while (end < text.size() && digit(text[end])) {
        ++end;
    }
    return end - at;
}

// The longest text at the start that reads as a decimal number: a sign, digits
// with a point that has a digit beside it, and an exponent with a digit.
std::string_view decimalNumber(std::string_view text)
{
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        ++at;
    }
    const std::size_t whole = digitsFrom(text, at, isDigit);
    at += whole;
    std::size_t fraction = 0;
    if (at < text.size() && text[at] == '.') {
        fraction = digitsFrom(text, at + 1, isDigit);
        if (whole + fraction > 0) {
            at += 1 + fraction;
        }
    }
    if (whole + fraction == 0) {
        return {};
    }
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t exponent = at + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) {
            ++exponent;
        }
        const std::size_t digits = digitsFrom(text, exponent, isDigit);
        if (digits > 0) {
            at = exponent + digits;
        }
    }
    return text.substr(0, at);
}

// Octal digits as hexadecimal ones, through their bits.
std::string octalAsHex(std::string_view octal)
{
    std::string bits;
    for (char c : octal) {
        const int d = c - '0';
        bits += {char('0' + (d >> 2 & 1)), char('0' + (d >> 1 & 1)), char('0' + (d & 1))};
    }
    bits.insert(0, (4 - bits.size() % 4) % 4, '0');
    std::string hex;
    for (std::size_t i = 0; i < bits.size(); i += 4) {
        hex += "0123456789abcdef"[std::stoi(bits.substr(i, 4), nullptr, 2)];
    }
    return hex;
}

double strtodWhole(const std::string& number)
{
    if (number.empty() || number == "0x") {
        return 0.0;
    }
    char* end = nullptr;
    const double value = std::strtod(number.c_str(), &end);
    // The harness handed it one whole number; anything left over is the harness's mistake.
    fuzz::check(end == number.c_str() + number.size(), "strtod did not read the whole number");
    return value;
}

double expectedReading(std::string_view input)
{
    std::string text;
    for (char c : input) {
        if (c != ' ' && c != '\t' && c != '\n') {
            text += c;
        }
    }
    if (text.size() >= 2 && text[0] == '&') {
        const std::string_view rest = std::string_view(text).substr(2);
        if (text[1] == 'H' || text[1] == 'h') {
            return strtodWhole("0x" + std::string(rest.substr(0, digitsFrom(rest, 0, isHexDigit))));
        }
        if (text[1] == 'O' || text[1] == 'o') {
            return strtodWhole("0x" + octalAsHex(rest.substr(0, digitsFrom(rest, 0, isOctalDigit))));
        }
    }
    return strtodWhole(std::string(decimalNumber(text)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    double got = 0;
    fuzz::timed(size, [&] { got = leadingNumber(input); });
    const double expected = expectedReading(input);
    if (std::bit_cast<std::uint64_t>(got) != std::bit_cast<std::uint64_t>(expected)) {
        std::fprintf(stderr, "read %a, strtod reads %a\n", got, expected);
        fuzz::fail("the rule and strtod disagree");
    }
    return 0;
}
