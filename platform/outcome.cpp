#include "platform/outcome.h"

#include <cstdio>

#include "platform/shell_codes.h"
#include "platform/unique_handle.h"

namespace platform {

std::string ErrorText(DWORD code) {
    char* text = nullptr;
    const DWORD n = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
        0, reinterpret_cast<char*>(&text), 0, nullptr);
    const UniqueLocalMemory owner(text);
    std::string result(text ? text : "", n);
    while (!result.empty() && (result.back() == '\r' || result.back() == '\n' || result.back() == ' '))
        result.pop_back();
    return result;
}

std::string ErrorText(const Outcome& outcome) {
    if (outcome.Kind() == CodeKind::kShellCopy) {
        std::string own = ShellCopyCodeText(outcome.Code());
        if (!own.empty()) return own;
    }
    return ErrorText(outcome.Code());
}

std::string CodeName(const Outcome& outcome) {
    if (outcome.Kind() == CodeKind::kWindows) return std::to_string(outcome.Code());
    char name[32];
    std::snprintf(name, sizeof name, "SHFileOperation 0x%lX", static_cast<unsigned long>(outcome.Code()));
    return name;
}

}  // namespace platform
