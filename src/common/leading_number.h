// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// Reads a typed answer as a number the way pupils' answers are read
// everywhere in the program:
//  - blanks, tabs and line feeds are ignored wherever they stand (a carriage
//    return is not one of them: it ends the number like any other character);
//  - an optional sign, digits, an optional decimal point with digits and an
//    optional exponent (E or e, with an optional sign) are read from the
//    start, up to the first character that cannot continue the number;
//    a point needs a digit on one side at least ("5." reads 5, ".5" reads
//    0.5) and an exponent needs a digit ("2e" and "2e+" read 2);
//  - "&H" or "&O" (either case) reads the digits that follow as hexadecimal
//    or octal, as an unsigned magnitude ("&H" alone reads 0);
//  - anything else at the start, and the empty text, reads 0.
// The result is the double nearest to the decimal number read (as strtod
// rounds it). A value too large for a double is infinity, which equals no
// expected answer. Any text is read in time linear in its length.
double leadingNumber(std::string_view text);
