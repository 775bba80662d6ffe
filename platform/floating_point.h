// Floating-point arithmetic as wide as the double it is stored in.
//
// On failure: cannot fail.
#pragma once

namespace platform {

// Rounds each floating-point result to a double's precision, on 32-bit x86
// too; the program's start sets it before any computation.
void UseDoublePrecision();

}  // namespace platform
