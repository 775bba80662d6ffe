// Locale-aware comparison and code-page conversion.
//
// On failure: a comparison that the system cannot make counts as "less";
// a conversion gives an empty text (ToMultiByteExactly: false), upper-casing
// the text unchanged.
#pragma once

#include <windows.h>

#include <string>

namespace platform {

// CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE): <0, 0 or >0.
int CompareTextIgnoreCase(const std::string& a, const std::string& b);
// Capitals for every letter that has one, full-width letters included, as
// the file system folds names (LCMapStringA, LCMAP_UPPERCASE).
std::string UpperCaseText(const std::string& text);
// The system ANSI code page.
UINT AnsiCodePage();
// Japanese Windows' code page: the EUDC data and its files are in it.
constexpr UINT kShiftJisCodePage = 932;
// Whether c opens a two-byte character in the ANSI code page (for Shift-JIS
// the bytes 0x81-0x9F and 0xE0-0xFC), whose second byte may be '\\'.
bool IsLeadByte(char c);
std::wstring ToWide(UINT codePage, const std::string& text);
// "?" stands for a code point without counterpart.
std::string ToMultiByte(UINT codePage, const std::wstring& text);
// False when a character has no counterpart of its own (bytes then hold a
// stand-in for it).
bool ToMultiByteExactly(UINT codePage, const std::wstring& text, std::string& bytes);

// For texts converted a piece at a time: into a buffer kept between calls.
// ToWideInto replaces wide's content; AppendMultiByte appends to bytes
// ("?" for a code point without counterpart). False when Windows refuses.
bool ToWideInto(UINT codePage, const char* text, size_t size, std::wstring& wide);
bool AppendMultiByte(UINT codePage, const wchar_t* text, size_t size, std::string& bytes);

}  // namespace platform
