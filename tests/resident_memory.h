// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the soak tests need to watch the process's memory.

#include <unistd.h>

#include <fstream>

// The resident memory of this process, in KiB.
inline long residentKiB()
{
    long size = 0, pages = 0;
    std::ifstream("/proc/self/statm") >> size >> pages;
    return pages * (sysconf(_SC_PAGESIZE) / 1024);
}

// AddressSanitizer holds freed memory back in quarantine, so in that build resident memory
// grows whatever the code does; its leak checker watches for leaks there instead.
#if defined(__SANITIZE_ADDRESS__)
#define QISMA_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QISMA_ADDRESS_SANITIZER 1
#endif
#endif
#ifdef QISMA_ADDRESS_SANITIZER
inline constexpr bool residentMemoryTells = false;
#else
inline constexpr bool residentMemoryTells = true;
#endif
