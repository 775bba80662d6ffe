#include <gtest/gtest.h>

#include "tests/support/test_support.h"

namespace testing_support {

void ClearEudcKey() { RegDeleteKeyA(HKEY_CURRENT_USER, "EUDC\\932"); }

void SetEudcValue(const std::string& name, DWORD type, const std::string& data) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "EUDC\\932", 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                   static_cast<DWORD>(data.size()));
    RegCloseKey(key);
}

void SetEudcLink(const std::string& name, const std::string& path) {
    SetEudcValue(name, REG_SZ, std::string(path.c_str(), path.size() + 1));
}

std::vector<std::pair<std::string, std::string>> EudcLinks() {
    std::vector<std::pair<std::string, std::string>> links;
    platform::RegistryKey key;
    if (!key.Open(HKEY_CURRENT_USER, "EUDC\\932", KEY_READ)) return links;
    for (const std::string& name : key.ValueNames()) {
        std::string data;
        key.ReadText(name, data);
        links.emplace_back(name, data);
    }
    return links;
}

void SetWineVersion(const std::string& version) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine", 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    if (version.empty())
        RegDeleteValueA(key, "Version");
    else
        RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version.c_str()),
                       static_cast<DWORD>(version.size() + 1));
    RegCloseKey(key);
}

ScopedRegistryValue::ScopedRegistryValue(HKEY root, const std::string& path, const std::string& name,
                                         DWORD type, const std::string& data)
    : name_(name) {
    RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr);
    char buffer[4096];
    DWORD size = sizeof buffer;
    existed_ = RegQueryValueExA(key_, name.c_str(), nullptr, &previousType_,
                                reinterpret_cast<BYTE*>(buffer), &size) == ERROR_SUCCESS;
    if (existed_) previous_.assign(buffer, size);
    EXPECT_EQ(RegSetValueExA(key_, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                             static_cast<DWORD>(data.size())),
              ERROR_SUCCESS)
        << path << "\\" << name;
}

ScopedRegistryValue::~ScopedRegistryValue() {
    if (existed_)
        RegSetValueExA(key_, name_.c_str(), 0, previousType_,
                       reinterpret_cast<const BYTE*>(previous_.data()), static_cast<DWORD>(previous_.size()));
    else
        RegDeleteValueA(key_, name_.c_str());
    RegCloseKey(key_);
}

}  // namespace testing_support
