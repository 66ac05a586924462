// SPDX-License-Identifier: GPL-3.0-or-later
// The leading-number rule against strtod. The harness reads the text its own way, by the
// rule's description alone: it drops the blanks, matches the longest number the rule allows at
// the start, and hands exactly that to strtod (hexadecimal and octal as a "0x" text). Both
// results must be the same double, bit for bit.

#include <bit>
#include <bitset>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <string>
#include <string_view>

#include "common/leading_number.h"

// The number the rule reads at the start of `input`, as a text that strtod reads whole.
static std::string expectedNumber(std::string_view input)
{
    std::string text(input);
    std::erase_if(text, [](char c) { return c == ' ' || c == '\t' || c == '\n'; });
    // "&H" and hexadecimal digits, "&O" and octal digits, or a sign, digits with a point that
    // has a digit beside it, and an exponent with a digit; or else nothing, which strtod reads
    // as 0. So the pattern matches at the start of any text.
    static const std::regex number("(?:&[hH]([0-9a-fA-F]*)|&[oO]([0-7]*)|"
                                   "[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?)?");
    std::smatch match;
    std::regex_search(text, match, number, std::regex_constants::match_continuous);
    if (!match[2].matched)
        return match[1].matched ? "0x0" + match.str(1) : match.str();
    // Octal digits as hexadecimal ones, through their bits.
    std::string bits((4 - match.length(2) * 3 % 4) % 4, '0'), hex = "0x0";
    for (const char c : match.str(2))
        bits += std::bitset<3>(c - '0').to_string();
    for (std::size_t i = 0; i < bits.size(); i += 4)
        hex += "0123456789abcdef"[std::bitset<4>(bits, i, 4).to_ulong()];
    return hex;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string number = expectedNumber(input);
    char* end = nullptr;
    const double expected = std::strtod(number.c_str(), &end), got = leadingNumber(input);
    // A number strtod does not read whole is the harness's mistake, and fails as well.
    if (*end == '\0' && std::bit_cast<std::uint64_t>(got) == std::bit_cast<std::uint64_t>(expected))
        return 0;
    std::fprintf(stderr, "read %a, strtod %a from \"%s\"\n", got, expected, number.c_str());
    std::abort();
}
