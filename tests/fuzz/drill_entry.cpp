// SPDX-License-Identifier: GPL-3.0-or-later
// The entry point of every drill target: each input is a script of
// operations, run against the drill within the time limit.
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::timed(size, [&] {
        fuzz::Script script(data, size);
        fuzz::run(script);
    });
    return 0;
}
