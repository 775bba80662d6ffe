// Profile (INI) files through the system's own reader and writer.
#include "platform/profile.h"

#include <windows.h>

namespace platform {

std::string ReadProfileString(const std::string& file, const char* section,
                              const std::string& key, const std::string& fallback) {
    char buffer[2048];
    DWORD n = GetPrivateProfileStringA(section, key.c_str(), fallback.c_str(), buffer,
                                       sizeof buffer, file.c_str());
    return std::string(buffer, n);
}

std::vector<std::string> ReadProfileKeys(const std::string& file, const char* section) {
    std::vector<char> buffer(16384);
    DWORD n = GetPrivateProfileStringA(section, nullptr, "", buffer.data(),
                                       static_cast<DWORD>(buffer.size()), file.c_str());
    std::vector<std::string> keys;
    for (DWORD i = 0; i < n;) {
        std::string key(&buffer[i]);
        if (key.empty()) break;
        i += static_cast<DWORD>(key.size()) + 1;
        keys.push_back(key);
    }
    return keys;
}

bool WriteProfileString(const std::string& file, const char* section, const std::string& key,
                        const std::string& value) {
    return WritePrivateProfileStringA(section, key.c_str(), value.c_str(), file.c_str()) != FALSE;
}

bool EraseProfileSection(const std::string& file, const char* section) {
    return WritePrivateProfileStringA(section, nullptr, nullptr, file.c_str()) != FALSE;
}

bool WriteProfileSection(const std::string& file, const char* section,
                         const std::vector<std::string>& lines) {
    std::string block;
    for (const std::string& line : lines) {
        block += line;
        block += '\0';
    }
    block += '\0';
    return WritePrivateProfileSectionA(section, block.c_str(), file.c_str()) != FALSE;
}

}  // namespace platform
