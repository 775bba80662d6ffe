// Expected texts written as UTF-8 (u8 literals stay UTF-8 whatever the
// compiler's execution character set) and turned into the ANSI code page at
// run time, so a test compares the program's bytes with an independent copy.
#pragma once

#include <string>

#include "platform/platform.h"

namespace testing_support {
inline std::string Sjis(const char* utf8) {
    return platform::ToMultiByte(932, platform::ToWide(CP_UTF8, utf8));
}
}  // namespace testing_support
