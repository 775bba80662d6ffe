// Floating-point arithmetic as wide as the double it is stored in.
#include "platform/floating_point.h"

#include <float.h>

namespace platform {

void UseDoublePrecision() {
#if defined(_M_IX86) || defined(__i386__)
    // The x87 unit of 32-bit x86 computes with 64-bit mantissas unless told
    // otherwise, so a date kept in a register and the same date stored as a
    // double compare unequal, and an installed file would count as older
    // than itself. Rounding every result to a double's 53 bits is what
    // Microsoft's runtime does at start; 64-bit code uses SSE and needs none.
    _controlfp(_PC_53, _MCW_PC);
#endif
}

}  // namespace platform
