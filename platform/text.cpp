// Locale-aware comparison and code-page conversion.
#include "platform/platform.h"

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

std::string ToMultiByte(UINT codePage, const std::wstring& text) {
    if (text.empty()) return std::string();
    int n = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                0, "?", nullptr);
    std::string bytes(n, '\0');
    WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), &bytes[0], n,
                        "?", nullptr);
    return bytes;
}

ScreenDC::ScreenDC() : dc_(GetDC(nullptr)) {}
ScreenDC::~ScreenDC() {
    if (dc_) ReleaseDC(nullptr, dc_);
}

void EnumerateFontFamilies(HDC dc, FONTENUMPROCA proc, LPARAM value) {
    EnumFontFamiliesA(dc, nullptr, proc, value);
}

}  // namespace platform
