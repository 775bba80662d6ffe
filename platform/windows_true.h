// TRUE as the program passes it to Windows where a BOOL goes in: all bits
// set, as the program has always given EnableEUDC and the shell copy's
// aborted flag.
#pragma once

#include <windows.h>

namespace platform {
constexpr BOOL kTrueAllBits = static_cast<BOOL>(0xFFFFFFFF);
}  // namespace platform
