// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/digit_key_filter.h"

namespace {

constexpr int kBackspace = 8;

}  // namespace

int digitKeyFilter(int code)
{
    const bool digit = code >= '0' && code <= '9';
    return digit || code == kBackspace ? code : 0;
}
