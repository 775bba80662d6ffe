#include "platform/clipboard.h"

#include <cstring>

#include "platform/text.h"

namespace platform {
namespace {

// A movable block holding bytes, ended by a zero character of width unit.
HGLOBAL MakeBlock(const void* bytes, size_t size, size_t unit) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size + unit);
    if (!block) return nullptr;
    void* at = GlobalLock(block);
    if (!at) {
        GlobalFree(block);
        return nullptr;
    }
    std::memcpy(at, bytes, size);
    std::memset(static_cast<char*>(at) + size, 0, unit);
    GlobalUnlock(block);
    return block;
}

}  // namespace

bool CopyTextToClipboard(HWND owner, const std::wstring& text, bool unicode) {
    const std::string ansi = unicode ? std::string() : ToMultiByte(AnsiCodePage(), text);
    HGLOBAL block = unicode ? MakeBlock(text.data(), text.size() * sizeof(wchar_t), sizeof(wchar_t))
                            : MakeBlock(ansi.data(), ansi.size(), 1);
    if (!block) return false;
    if (!OpenClipboard(owner)) {
        GlobalFree(block);
        return false;
    }
    EmptyClipboard();
    // Once set, the block is the clipboard's; a refused one is still ours.
    const bool set = SetClipboardData(unicode ? CF_UNICODETEXT : CF_TEXT, block) != nullptr;
    if (!set) GlobalFree(block);
    CloseClipboard();
    return set;
}

}  // namespace platform
