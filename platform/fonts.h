// The installed fonts.
//
// On failure: no callback.
#pragma once

#include <windows.h>

namespace platform {

// EnumFontFamiliesA(dc, no family name, proc, value): one call per family.
void EnumerateFontFamilies(HDC dc, FONTENUMPROCA proc, LPARAM value);

}  // namespace platform
