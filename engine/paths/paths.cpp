#include "engine/paths/paths.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/spelled_path.h"
#include "platform/text.h"

bool SamePath(const std::string& a, const std::string& b) {
    return platform::UpperCaseText(a) == platform::UpperCaseText(b);
}

namespace paths {

namespace {
// The start of the character after the one that starts at i: the second
// byte of a two-byte character is never looked at on its own.
size_t NextCharacter(const std::string& s, size_t i) {
    return platform::IsLeadByte(s[i]) && i + 1 < s.size() ? i + 2 : i + 1;
}

bool IsOneOf(char c, const char* chars) { return c != '\0' && std::strchr(chars, c); }
}  // namespace

bool EndsWithBackslash(const std::string& s) {
    size_t last = LastDelimiter(s, "\\");
    return last != std::string::npos && last + 1 == s.size();
}

size_t LastDelimiter(const std::string& s, const char* chars) {
    size_t found = std::string::npos;
    for (size_t i = 0; i < s.size(); i = NextCharacter(s, i))
        if (IsOneOf(s[i], chars)) found = i;
    return found;
}

size_t NextDelimiter(const std::string& s, const char* chars, size_t from) {
    for (size_t i = from; i < s.size(); i = NextCharacter(s, i))
        if (IsOneOf(s[i], chars)) return i;
    return std::string::npos;
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
    for (size_t i = 0; i < out.size(); i = NextCharacter(out, i))
        if (out[i] >= 'a' && out[i] <= 'z') out[i] = static_cast<char>(out[i] - 'a' + 'A');
    return out;
}

bool IsBareFileName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    return LastDelimiter(name, "\\/:") == std::string::npos;
}

bool IsDeviceName(const std::string& fileName) {
    // The device is the name up to its first dot, blanks at its end ignored.
    std::string stem = UpperAscii(fileName.substr(0, fileName.find('.')));
    while (!stem.empty() && stem.back() == ' ') stem.pop_back();
    static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$", "CLOCK$"};
    for (const char* device : kDevices)
        if (stem == device) return true;
    const bool numbered = stem.size() == 4 && stem[3] >= '0' && stem[3] <= '9';
    return numbered && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0);
}

// The first byte always starts a character, and no second byte of a
// two-byte character is below 0x40: a colon at [1] makes [0] and [2]
// characters of their own, and a backslash at [0] makes [1] one.
bool IsAbsolutePath(const std::string& path) {
    return (path.size() >= 3 && path[1] == ':' && path[2] == '\\') || path.rfind("\\\\", 0) == 0;
}

std::string BelowUnlessAbsolute(const std::string& folder, const std::string& path) {
    return IsAbsolutePath(path) ? path : folder + path;
}

std::string NormalPath(const std::string& absolute) {
    std::string path = absolute;
    // "/" is never the second byte of a two-byte character.
    std::replace(path.begin(), path.end(), '/', '\\');
    const size_t root = RootLength(path);
    if (root == 0) return path;
    std::vector<std::string> names;
    for (size_t from = root; from < path.size();) {
        size_t end = NextDelimiter(path, "\\", from);
        if (end == std::string::npos) end = path.size();
        std::string name = path.substr(from, end - from);
        // Windows drops the blanks and dots that end a name ("EUDC.TTE."),
        // leaving "." and ".." as they are.
        if (name != "." && name != "..")
            while (!name.empty() && (name.back() == ' ' || name.back() == '.')) name.pop_back();
        if (name == "..") {
            if (!names.empty()) names.pop_back();
        } else if (!name.empty() && name != ".") {
            names.push_back(name);
        }
        from = end + 1;
    }
    std::string normal = path.substr(0, root);
    for (const std::string& name : names) normal += "\\" + name;
    if (names.empty() || EndsWithBackslash(path)) normal += "\\";
    return normal;
}

bool IsSpelled(const std::string& path) {
    return NextDelimiter(path, std::string(1, platform::kUnspelledChar).c_str()) == std::string::npos;
}

std::string ShownPath(const std::string& path) {
    std::string shown = path;
    for (size_t i = 0; i < shown.size(); i = NextCharacter(shown, i))
        if (shown[i] == platform::kUnspelledChar) shown[i] = '?';
    return shown;
}

size_t RootLength(const std::string& path) {
    if (path.size() >= 2 && path[1] == ':') return 2;
    if (path.rfind("\\\\", 0) != 0) return 0;
    size_t server = NextDelimiter(path, "\\", 2);
    if (server == std::string::npos) return path.size();
    size_t share = NextDelimiter(path, "\\", server + 1);
    return share == std::string::npos ? path.size() : share;
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
