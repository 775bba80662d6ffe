#include <gtest/gtest.h>

#include "tests/support/test_support.h"

namespace testing_support {

void ClearEudcKey() { RegDeleteKeyA(HKEY_CURRENT_USER, "EUDC\\932"); }

void SetEudcValue(const std::string& name, DWORD type, const std::string& data) {
    const platform::UniqueKey key = platform::CreateKey(HKEY_CURRENT_USER, "EUDC\\932", KEY_ALL_ACCESS);
    ASSERT_TRUE(key);
    RegSetValueExA(key.get(), name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                   static_cast<DWORD>(data.size()));
}

void SetEudcLink(const std::string& name, const std::string& path) {
    SetEudcValue(name, REG_SZ, std::string(path.c_str(), path.size() + 1));
}

std::vector<std::pair<std::string, std::string>> EudcLinks() {
    std::vector<std::pair<std::string, std::string>> links;
    const platform::UniqueKey key = platform::OpenKey(HKEY_CURRENT_USER, "EUDC\\932", KEY_READ);
    for (const std::string& name : platform::ValueNames(key.get())) {
        std::string data;
        platform::ReadText(key.get(), name, data);
        links.emplace_back(name, data);
    }
    return links;
}

void SetWineVersion(const std::string& version) {
    const platform::UniqueKey key = platform::CreateKey(HKEY_CURRENT_USER, "Software\\Wine", KEY_ALL_ACCESS);
    ASSERT_TRUE(key);
    if (version.empty())
        RegDeleteValueA(key.get(), "Version");
    else
        platform::WriteText(key.get(), "Version", version);
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
