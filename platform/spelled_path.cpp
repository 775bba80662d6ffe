#include "platform/spelled_path.h"

#include <windows.h>

#include "platform/system.h"
#include "platform/text.h"
#include "platform/unique_handle.h"

namespace platform {

namespace {

bool ShortPath(const std::wstring& path, std::wstring& shortPath) {
    DWORD n = GetShortPathNameW(path.c_str(), nullptr, 0);
    if (n == 0) return false;  // not there
    shortPath.assign(n, L'\0');
    n = GetShortPathNameW(path.c_str(), &shortPath[0], n);
    if (n == 0 || n >= shortPath.size()) return false;
    shortPath.resize(n);
    return true;
}

// Each character on its own: its counterpart, or kUnspelledChar (also for
// a best fit such as U+00A5 to a backslash).
std::string MarkUnspelled(const std::wstring& path) {
    std::string marked, one;
    for (size_t i = 0; i < path.size();) {
        const size_t length = IS_HIGH_SURROGATE(path[i]) && i + 1 < path.size() ? 2 : 1;
        marked += ToMultiByteExactly(CP_ACP, path.substr(i, length), one) ? one : std::string(1, kUnspelledChar);
        i += length;
    }
    return marked;
}

}  // namespace

std::string SpellPath(const std::wstring& path) {
    std::string spelled, rest;
    if (ToMultiByteExactly(CP_ACP, path, spelled)) return spelled;
    // From the whole path up towards the drive, the first part that exists
    // decides: its short form spells it, or nothing does.
    for (size_t end = path.size(); end > 2 && end != std::wstring::npos;
         end = path.find_last_of(L"\\/", end - 1)) {
        std::wstring shortHead;
        if (!ShortPath(path.substr(0, end), shortHead)) continue;
        // With 8.3 names off the short form is the long one, unconverted.
        if (ToMultiByteExactly(CP_ACP, shortHead, spelled) && ToMultiByteExactly(CP_ACP, path.substr(end), rest))
            return spelled + rest;
        break;
    }
    return MarkUnspelled(path);
}

namespace {

std::string SpellName(const WIN32_FIND_DATAW& data) {
    std::string spelled;
    if (ToMultiByteExactly(CP_ACP, data.cFileName, spelled)) return spelled;
    // The short name is plain ASCII where there is one; an empty one means
    // the long name is the only name, and it cannot be spelled.
    if (data.cAlternateFileName[0] && ToMultiByteExactly(CP_ACP, data.cAlternateFileName, spelled))
        return spelled;
    return MarkUnspelled(data.cFileName);
}

}  // namespace

std::vector<FolderEntry> ListFolderSpelled(const std::string& folder) {
    if (!IsNtPlatform()) return ListFolder(folder + "*");
    std::vector<FolderEntry> entries;
    WIN32_FIND_DATAW data;
    const UniqueFind find(FindFirstFileW((ToWide(CP_ACP, folder) + L"*").c_str(), &data));
    if (!find) return entries;
    do {
        entries.push_back({SpellName(data), data.dwFileAttributes});
    } while (FindNextFileW(find.get(), &data));
    return entries;
}

}  // namespace platform
