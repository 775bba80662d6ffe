// Code points as UTF-8 and UTF-16, and the codes the map writes for them.
#pragma once

#include <cstdint>
#include <string>

namespace migration {

// EUDC as Windows' code page 932 maps it: F040..F9FC to U+E000..U+E757.
constexpr char32_t kFirstEudc = 0xE000;
constexpr char32_t kLastEudc = 0xE757;
inline bool IsEudc(char32_t code) { return code >= kFirstEudc && code <= kLastEudc; }

void AppendUtf8(std::string& out, char32_t code);
std::string Utf8(const std::u32string& text);
// UTF-16 code units as bytes, little- or big-endian.
void AppendUtf16(std::string& out, char32_t code, bool bigEndian);

// Whether text is UTF-8 throughout (no overlong form, no surrogate, nothing
// above U+10FFFF).
bool IsWholeUtf8(const std::string& text);
// The length of the well-formed UTF-8 sequence at text[at..end), 0 when
// none starts there; *code gets its code point. A sequence cut off by end
// is 0 too, and *cutOff then true: more bytes may yet make it whole.
size_t Utf8Sequence(const unsigned char* text, size_t at, size_t end, char32_t& code, bool* cutOff = nullptr);

// "U+9AD9"; "U+845B U+E0102" for a sequence.
std::string CodeText(char32_t code);
std::string CodesText(const std::u32string& codes);
// Reads "U+9AD9" or "U+845B U+E0102" (spaces between, any case of the
// hex digits, "U+" required): false for anything else, or a code that is
// no Unicode scalar value.
bool ParseCodes(const std::string& text, std::u32string& codes);

// The Shift-JIS code of an EUDC code point as the map names it: "F040".
std::string ShiftJisName(char32_t eudc);

}  // namespace migration
