#include "common/leading_number.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

// How the text is read, in detail:
//  - Blanks, tabs, line feeds and carriage returns are skipped wherever they
//    stand, also between the characters of one number: "1 2" is 12,
//    "- 5" is -5, "1 . 5" is 1.5, "1e 3" is 1000.
//  - A point needs digits on at least one side: "5." is 5, ".5" is 0.5,
//    "." alone is 0.
//  - An exponent counts only when at least one digit follows its letter and
//    optional sign: "2e" and "2e+" are 2.
//  - "&H" and "&O" read hexadecimal and octal digits as an unsigned
//    magnitude: "&HFF" is 255, "&H" alone and "&HG" are 0.
//  - Digits are ASCII only; Arabic-Indic digits stop the reading like any
//    other letter.
//
// The digits are never handed over whole: only the significant digits count,
// and of those only the first few hundred can decide the rounding, so the
// rest is folded into one "sticky" digit. The conversion itself is done by
// std::from_chars, which rounds as strtod does in the "C" locale and never
// looks at the locale's decimal point. Megabytes of digits or blanks are
// therefore read in one pass, with a small buffer.

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Walks the text while skipping blanks, so the parser only ever sees the
// characters that matter.
class Cursor {
public:
    explicit Cursor(std::string_view text) : m_text(text) { skipBlanks(); }

    // The current character, or '\0' at the end of the text.
    char peek() const { return m_pos < m_text.size() ? m_text[m_pos] : '\0'; }

    void advance()
    {
        ++m_pos;
        skipBlanks();
    }

    std::size_t position() const { return m_pos; }
    void rewind(std::size_t pos) { m_pos = pos; }

private:
    void skipBlanks()
    {
        while (m_pos < m_text.size() && isBlank(m_text[m_pos])) {
            ++m_pos;
        }
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

// A double correctly rounded from 800 significant decimal digits followed by
// a nonzero digit is also correctly rounded for the longer number those
// digits were cut from: no halfway point between two doubles needs more than
// 767 significant digits.
constexpr std::size_t kKeptDecimalDigits = 800;

// Exponents are saturated here; any number that needs one this large is
// infinite or zero whatever its digits.
constexpr std::int64_t kExponentCap = 1'000'000'000'000'000;

// The significant digits of a decimal number, read one digit at a time:
// leading zeros dropped, trailing zeros held back until a nonzero digit
// shows they are inside the number.
class SignificantDigits {
public:
    void add(char digit)
    {
        if (digit == '0') {
            if (m_length > 0) {
                ++m_pendingZeros;
            }
            return;
        }
        appendZeros(m_pendingZeros);
        m_pendingZeros = 0;
        append(digit);
    }

    bool isZero() const { return m_length == 0; }
    // Zeros at the end that were never followed by a nonzero digit.
    std::int64_t trailingZeros() const { return m_pendingZeros; }
    std::int64_t length() const { return m_length; }
    const std::string& kept() const { return m_kept; }
    bool sticky() const { return m_sticky; }

private:
    void appendZeros(std::int64_t count)
    {
        m_length += count;
        const auto room = static_cast<std::int64_t>(kKeptDecimalDigits - m_kept.size());
        const std::int64_t shown = count < room ? count : room;
        m_kept.append(static_cast<std::size_t>(shown), '0');
    }

    void append(char digit)
    {
        ++m_length;
        if (m_kept.size() < kKeptDecimalDigits) {
            m_kept.push_back(digit);
        } else {
            m_sticky = true;
        }
    }

    std::string m_kept;
    std::int64_t m_length = 0;
    std::int64_t m_pendingZeros = 0;
    bool m_sticky = false;
};

double signedInfinity(bool negative)
{
    const double inf = std::numeric_limits<double>::infinity();
    return negative ? -inf : inf;
}

double signedZero(bool negative)
{
    return negative ? -0.0 : 0.0;
}

// Reads the exponent after its letter, if it has digits; otherwise leaves the
// cursor on the letter and returns false.
bool readExponent(Cursor& cursor, std::int64_t& exponent)
{
    const std::size_t letter = cursor.position();
    cursor.advance();
    bool negative = false;
    if (cursor.peek() == '+' || cursor.peek() == '-') {
        negative = cursor.peek() == '-';
        cursor.advance();
    }
    if (!isDigit(cursor.peek())) {
        cursor.rewind(letter);
        return false;
    }
    std::int64_t value = 0;
    while (isDigit(cursor.peek())) {
        if (value < kExponentCap) {
            value = value * 10 + (cursor.peek() - '0');
        }
        cursor.advance();
    }
    exponent = negative ? -value : value;
    return true;
}

double readDecimal(Cursor& cursor)
{
    bool negative = false;
    if (cursor.peek() == '+' || cursor.peek() == '-') {
        negative = cursor.peek() == '-';
        cursor.advance();
    }

    SignificantDigits digits;
    bool anyDigit = false;
    std::int64_t fractionLength = 0;
    while (isDigit(cursor.peek())) {
        digits.add(cursor.peek());
        anyDigit = true;
        cursor.advance();
    }
    if (cursor.peek() == '.') {
        cursor.advance();
        while (isDigit(cursor.peek())) {
            digits.add(cursor.peek());
            anyDigit = true;
            ++fractionLength;
            cursor.advance();
        }
    }
    if (!anyDigit) {
        return 0.0;
    }

    std::int64_t exponent = 0;
    if (cursor.peek() == 'e' || cursor.peek() == 'E') {
        readExponent(cursor, exponent);
    }

    if (digits.isZero()) {
        return signedZero(negative);
    }

    // The number is digits.kept() [+ "1"] times ten to `scale`.
    const auto kept = static_cast<std::int64_t>(digits.kept().size());
    const std::int64_t lastDigitScale = exponent - fractionLength + digits.trailingZeros();
    // The number lies in [10^(magnitude - 1), 10^magnitude).
    const std::int64_t magnitude = lastDigitScale + digits.length();
    if (magnitude > 310) {
        return signedInfinity(negative);
    }
    if (magnitude < -330) {
        return signedZero(negative);
    }

    std::string buffer = digits.kept();
    std::int64_t scale = lastDigitScale + (digits.length() - kept);
    if (digits.sticky()) {
        buffer.push_back('1');
        --scale;
    }
    buffer.push_back('e');
    buffer += std::to_string(scale);

    double value = 0.0;
    const auto result = std::from_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                        std::chars_format::scientific);
    if (result.ec == std::errc::result_out_of_range) {
        return magnitude > 0 ? signedInfinity(negative) : signedZero(negative);
    }
    return negative ? -value : value;
}

// Hexadecimal or octal digits, read as an unsigned magnitude. Only the first
// twenty significant hexadecimal digits (80 bits) are handed on, with a
// sticky digit for any nonzero bits beyond them; that decides the rounding
// to 53 bits exactly.
double readRadix(Cursor& cursor, int bitsPerDigit)
{
    constexpr std::size_t kKeptBits = 80;
    const int radix = 1 << bitsPerDigit;

    auto digitValue = [radix](char c) -> int {
        int value = -1;
        if (c >= '0' && c <= '9') {
            value = c - '0';
        } else if (c >= 'a' && c <= 'f') {
            value = c - 'a' + 10;
        } else if (c >= 'A' && c <= 'F') {
            value = c - 'A' + 10;
        }
        return value < radix ? value : -1;
    };

    std::string bits;  // significant bits as '0'/'1', at most kKeptBits
    std::int64_t droppedBits = 0;
    bool sticky = false;
    for (int d = digitValue(cursor.peek()); d >= 0; d = digitValue(cursor.peek())) {
        for (int bit = bitsPerDigit - 1; bit >= 0; --bit) {
            const bool one = ((d >> bit) & 1) != 0;
            if (bits.empty() && !one) {
                continue;  // a leading zero bit
            }
            if (bits.size() < kKeptBits) {
                bits.push_back(one ? '1' : '0');
            } else {
                sticky = sticky || one;
                if (droppedBits < kExponentCap) {
                    ++droppedBits;
                }
            }
        }
        cursor.advance();
    }
    if (bits.empty()) {
        return 0.0;
    }
    if (droppedBits > 1100) {
        return signedInfinity(false);
    }
    if (sticky) {
        bits.push_back('1');
        --droppedBits;
    }

    // Group the bits into hexadecimal digits, padding at the front.
    static constexpr char kHex[] = "0123456789abcdef";
    std::string buffer;
    const std::size_t padding = (4 - bits.size() % 4) % 4;
    const std::string padded = std::string(padding, '0') + bits;
    for (std::size_t i = 0; i < padded.size(); i += 4) {
        int nibble = 0;
        for (std::size_t j = 0; j < 4; ++j) {
            nibble = nibble * 2 + (padded[i + j] - '0');
        }
        buffer.push_back(kHex[nibble]);
    }
    buffer.push_back('p');
    buffer += std::to_string(droppedBits);

    double value = 0.0;
    const auto result = std::from_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                        std::chars_format::hex);
    if (result.ec == std::errc::result_out_of_range) {
        return signedInfinity(false);
    }
    return value;
}

}  // namespace

double leadingNumber(std::string_view text)
{
    Cursor cursor(text);
    if (cursor.peek() == '&') {
        cursor.advance();
        const char letter = cursor.peek();
        if (letter == 'H' || letter == 'h') {
            cursor.advance();
            return readRadix(cursor, 4);
        }
        if (letter == 'O' || letter == 'o') {
            cursor.advance();
            return readRadix(cursor, 3);
        }
        return 0.0;
    }
    return readDecimal(cursor);
}
