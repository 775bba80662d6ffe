#include "command/paths.h"

#include <cstring>

#include "platform/platform.h"

namespace paths {

namespace {
// Calls visit(position) for each character start, skipping second bytes.
template <typename Visit>
void ForEachCharacter(const std::string& s, Visit visit) {
    for (size_t i = 0; i < s.size(); ++i) {
        visit(i);
        if (platform::IsLeadByte(s[i]) && i + 1 < s.size()) ++i;
    }
}
}  // namespace

bool EndsWithBackslash(const std::string& s) {
    size_t last = LastDelimiter(s, "\\");
    return last != std::string::npos && last + 1 == s.size();
}

size_t LastDelimiter(const std::string& s, const char* chars) {
    size_t found = std::string::npos;
    ForEachCharacter(s, [&](size_t i) {
        if (std::strchr(chars, s[i]) && s[i] != '\0') found = i;
    });
    return found;
}

std::string FileNamePart(const std::string& path) {
    size_t cut = LastDelimiter(path, "\\:");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string FolderPart(const std::string& path) {
    size_t cut = LastDelimiter(path, "\\:");
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

std::string ExtensionOf(const std::string& path) {
    size_t dot = LastDelimiter(path, ".\\:");
    if (dot == std::string::npos || path[dot] != '.') return std::string();
    return path.substr(dot);
}

std::string ChangeExtension(const std::string& path, const std::string& ext) {
    size_t dot = LastDelimiter(path, ".\\:");
    if (dot == std::string::npos || path[dot] != '.') return path + ext;
    return path.substr(0, dot) + ext;
}

std::string UpperAscii(const std::string& s) {
    std::string out = s;
    ForEachCharacter(out, [&](size_t i) {
        if (out[i] >= 'a' && out[i] <= 'z') out[i] = static_cast<char>(out[i] - 'a' + 'A');
    });
    return out;
}

bool IsBareFileName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    return LastDelimiter(name, "\\/:") == std::string::npos;
}

}  // namespace paths

std::string AddTrailingBackslash(const std::string& s) {
    if (s.empty() || paths::EndsWithBackslash(s)) return s;
    return s + '\\';
}

std::string RemoveTrailingBackslash(const std::string& s) {
    if (!paths::EndsWithBackslash(s)) return s;
    return s.substr(0, s.size() - 1);
}
