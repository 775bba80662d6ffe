#include "platform/fonts.h"

namespace platform {

void EnumerateFontFamilies(HDC dc, FONTENUMPROCA proc, LPARAM value) {
    EnumFontFamiliesA(dc, nullptr, proc, value);
}

}  // namespace platform
