// Profile (INI) files through the system's own reader and writer.
#include "platform/profile.h"

#include <windows.h>

#include <cstring>

namespace platform {

namespace {
// Far beyond any EUDC.INI: the reader gives up growing there.
constexpr size_t kLongestSection = 64 * 1024 * 1024;
}  // namespace

std::string ReadProfileString(const std::string& file, const char* section,
                              const std::string& key, const std::string& fallback) {
    char buffer[2048];
    DWORD n = GetPrivateProfileStringA(section, key.c_str(), fallback.c_str(), buffer,
                                       sizeof buffer, file.c_str());
    return std::string(buffer, n);
}

namespace {

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t"), last = text.find_last_not_of(" \t");
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

// A value as the system's reader gives a key's: one pair of enclosing
// quotes, double or single, taken off.
std::string Unquoted(const std::string& value) {
    const bool quoted =
        value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0];
    return quoted ? value.substr(1, value.size() - 2) : value;
}

}  // namespace

std::vector<ProfileEntry> ReadProfileEntries(const std::string& file, const char* section) {
    // The section's "key=value" lines rather than the system's key list,
    // which ends at an empty key name ("=FILE") or comes back empty when
    // the section starts with one. A section that does not fit comes back
    // cut, its length the buffer's less two: the buffer grows until the
    // whole section fits, however many keys or however long a face name
    // (up to 16,383 characters) it holds.
    std::vector<char> buffer(16384);
    DWORD n = 0;
    for (;;) {
        n = GetPrivateProfileSectionA(section, buffer.data(), static_cast<DWORD>(buffer.size()), file.c_str());
        if (n + 2 < buffer.size() || buffer.size() >= kLongestSection) break;
        buffer.resize(buffer.size() * 4);
    }
    std::vector<ProfileEntry> entries;
    for (DWORD i = 0; i < n;) {
        const std::string line(&buffer[i], strnlen(&buffer[i], n - i));
        i += static_cast<DWORD>(line.size()) + 1;
        // No second byte of a two-byte character is "=" or a blank.
        const size_t equals = line.find('=');
        ProfileEntry entry{Trimmed(line.substr(0, equals)), std::string()};
        if (equals != std::string::npos) entry.value = Unquoted(Trimmed(line.substr(equals + 1)));
        if (!entry.key.empty()) entries.push_back(entry);
    }
    return entries;
}

std::vector<std::string> ReadProfileKeys(const std::string& file, const char* section) {
    std::vector<std::string> keys;
    for (const ProfileEntry& entry : ReadProfileEntries(file, section)) keys.push_back(entry.key);
    return keys;
}

Outcome WriteProfileString(const std::string& file, const char* section, const std::string& key,
                           const std::string& value) {
    return Outcome::Of(WritePrivateProfileStringA(section, key.c_str(), value.c_str(), file.c_str()));
}

Outcome EraseProfileSection(const std::string& file, const char* section) {
    return Outcome::Of(WritePrivateProfileStringA(section, nullptr, nullptr, file.c_str()));
}

Outcome WriteProfileSection(const std::string& file, const char* section,
                         const std::vector<std::string>& lines) {
    std::string block;
    for (const std::string& line : lines) {
        block += line;
        block += '\0';
    }
    block += '\0';
    return Outcome::Of(WritePrivateProfileSectionA(section, block.c_str(), file.c_str()));
}

}  // namespace platform
