// The installed fonts.
//
// On failure: no callback; no bytes.
#pragma once

#include <windows.h>

#include <string>

namespace platform {

// EnumFontFamiliesA(dc, no family name, proc, value): one call per family.
void EnumerateFontFamilies(HDC dc, FONTENUMPROCA proc, LPARAM value);

// The file of the TrueType font GDI draws a face with, in Shift-JIS (a
// whole collection for a .ttc), as GetFontData gives it; false when GDI
// has no TrueType font for it. GDI may stand another font in for the face:
// the caller tells from the bytes what it is.
bool ReadFaceFontFile(const char* face, std::string& bytes);

}  // namespace platform
