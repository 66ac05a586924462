// SPDX-License-Identifier: GPL-3.0-or-later
#include "drills/whole_division/division_hints.h"

namespace {

constexpr const char* lineBreak = "\r\n";

// The phrases the hints are made of; the blanks at their ends belong to them.
constexpr const char* howMany = "كم ";
constexpr const char* inTheNumber = " في العدد ";
constexpr const char* questionMark = " ؟";
constexpr const char* whatNumberTimes = "أو ما هو العدد الذي نضربه في ";
constexpr const char* toComeNear = " لينتج رقم قريبا من ";
constexpr const char* shareOut = "أو وزع العدد ";
constexpr const char* among = " على ";
constexpr const char* whatComesOut = " كم ينتج؟";
constexpr const char* multiplyQuotient = "اضرب الناتج في المقسوم عليه ";
constexpr const char* orMultiply = "أو اضرب  ";
constexpr const char* times = " × ";
constexpr const char* subtract = "اطرح  ";
constexpr const char* minus = " - ";

std::string number(int value) { return std::to_string(value); }

}  // namespace

std::string quotientHint(int dividend, int divisor, HintForm form)
{
    const std::string between =
        form == HintForm::Drawing ? lineBreak : std::string(lineBreak) + lineBreak;
    return howMany + number(divisor) + inTheNumber + number(dividend) + questionMark + between +
           whatNumberTimes + number(divisor) + toComeNear + number(dividend) + questionMark +
           between + shareOut + number(dividend) + among + number(divisor) + whatComesOut;
}

std::string productHint(int quotient, int divisor)
{
    return std::string(multiplyQuotient) + lineBreak + lineBreak + orMultiply + number(quotient) +
           times + number(divisor);
}

std::string remainderHint(int dividend, int product)
{
    return subtract + number(dividend) + minus + number(product);
}
