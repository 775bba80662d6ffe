// Locale-aware comparison and code-page conversion.
#include "platform/text.h"

namespace platform {

int CompareTextIgnoreCase(const std::string& a, const std::string& b) {
    int r = CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(),
                           static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()));
    return r - CSTR_EQUAL;  // CSTR_LESS_THAN 1, CSTR_EQUAL 2, CSTR_GREATER_THAN 3
}

std::string UpperCaseText(const std::string& text) {
    if (text.empty()) return text;
    const int size = static_cast<int>(text.size());
    std::string upper(text.size(), '\0');
    int n = LCMapStringA(LOCALE_SYSTEM_DEFAULT, LCMAP_UPPERCASE, text.data(), size, &upper[0], size);
    return n == size ? upper : text;
}

UINT AnsiCodePage() { return GetACP(); }

bool IsLeadByte(char c) { return IsDBCSLeadByte(static_cast<BYTE>(c)) != FALSE; }

std::wstring ToWide(UINT codePage, const std::string& text) {
    if (text.empty()) return std::wstring();
    int n = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(n, L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), &wide[0], n);
    return wide;
}

namespace {
// WideCharToMultiByte; usedDefault (may be null) tells whether a character
// had no counterpart.
std::string Convert(UINT codePage, const std::wstring& text, const char* defaultChar, BOOL* usedDefault) {
    if (text.empty()) return std::string();
    if (codePage == CP_ACP) codePage = GetACP();
    // UTF-8 has a counterpart for everything and takes neither argument.
    if (codePage == CP_UTF8 || codePage == CP_UTF7) defaultChar = nullptr, usedDefault = nullptr;
    const int length = static_cast<int>(text.size());
    int n = WideCharToMultiByte(codePage, 0, text.data(), length, nullptr, 0, defaultChar, usedDefault);
    std::string bytes(n, '\0');
    WideCharToMultiByte(codePage, 0, text.data(), length, &bytes[0], n, defaultChar, usedDefault);
    return bytes;
}
}  // namespace

std::string ToMultiByte(UINT codePage, const std::wstring& text) {
    return Convert(codePage, text, "?", nullptr);
}

bool ToMultiByteExactly(UINT codePage, const std::wstring& text, std::string& bytes) {
    BOOL usedDefault = FALSE;
    bytes = Convert(codePage, text, nullptr, &usedDefault);
    // A best fit (U+00A5 to the byte 0x5C, a backslash) is no counterpart
    // either: the text must come back as it was.
    return !usedDefault && ToWide(codePage, bytes) == text;
}

bool ToWideInto(UINT codePage, const char* text, size_t size, std::wstring& wide) {
    wide.clear();
    if (size == 0) return true;
    const int length = static_cast<int>(size);
    // One character a byte at most: the buffer only grows when a piece is larger.
    wide.resize(size);
    const int n = MultiByteToWideChar(codePage, 0, text, length, &wide[0], length);
    wide.resize(n > 0 ? n : 0);
    return n > 0;
}

bool AppendMultiByte(UINT codePage, const wchar_t* text, size_t size, std::string& bytes) {
    if (size == 0) return true;
    const int length = static_cast<int>(size);
    const size_t had = bytes.size();
    // Two bytes a UTF-16 unit at most in a double-byte code page.
    bytes.resize(had + 2 * size);
    const int n = WideCharToMultiByte(codePage, 0, text, length, &bytes[had], 2 * length, "?", nullptr);
    bytes.resize(had + (n > 0 ? n : 0));
    return n > 0;
}

}  // namespace platform
