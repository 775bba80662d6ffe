#include "platform/fonts.h"

#include "platform/unique_handle.h"

namespace platform {

void EnumerateFontFamilies(HDC dc, FONTENUMPROCA proc, LPARAM value) {
    EnumFontFamiliesA(dc, nullptr, proc, value);
}

}  // namespace platform

namespace platform {
namespace {

constexpr DWORD kCollectionTable = 0x66637474;  // 'ttcf' as GetFontData reads a tag
constexpr DWORD kMostFontBytes = 256u << 20;

// The font's file from one place: the collection's start, or the font's own.
bool ReadFontData(HDC dc, DWORD table, std::string& bytes) {
    const DWORD size = GetFontData(dc, table, 0, nullptr, 0);
    if (size == GDI_ERROR || size == 0 || size > kMostFontBytes) return false;
    bytes.resize(size);
    return GetFontData(dc, table, 0, &bytes[0], size) == size;
}

}  // namespace

bool ReadFaceFontFile(const char* face, std::string& bytes) {
    bytes.clear();
    LOGFONTA wanted{};
    wanted.lfHeight = -16;
    wanted.lfCharSet = SHIFTJIS_CHARSET;
    wanted.lfOutPrecision = OUT_TT_ONLY_PRECIS;
    lstrcpynA(wanted.lfFaceName, face, LF_FACESIZE);
    const UniqueFont font(CreateFontIndirectA(&wanted));
    const UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
    if (!font || !dc) return false;
    const HGDIOBJ before = SelectObject(dc.get(), font.get());
    const bool read = ReadFontData(dc.get(), kCollectionTable, bytes) || ReadFontData(dc.get(), 0, bytes);
    SelectObject(dc.get(), before);
    if (!read) bytes.clear();
    return read;
}

}  // namespace platform
