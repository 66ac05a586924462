// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The hints of the long-division screen: one for each step, made of fixed
// phrases and the numbers of the problem. Lines are broken with "\r\n".

// The quotient's hint has two layouts: one line after another when a problem
// is drawn, and with an empty line between its lines when the pupil opens the
// hint panel.
enum class HintForm { Drawing, HelpButton };

// How many times the divisor goes into the dividend, asked three ways.
std::string quotientHint(int dividend, int divisor, HintForm form);
// Multiply the quotient by the divisor.
std::string productHint(int quotient, int divisor);
// Take the product from the dividend.
std::string remainderHint(int dividend, int product);
