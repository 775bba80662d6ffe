#include <gtest/gtest.h>

#include <algorithm>

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
    for (const platform::TextValue& value : platform::TextValues(key.get()))
        links.emplace_back(value.name, value.text);
    std::sort(links.begin(), links.end());
    return links;
}

std::string EudcLink(const std::string& face) {
    for (const auto& link : EudcLinks())
        if (link.first == face) return link.second;
    return "<none>";
}

ScopedRegistryValue::ScopedRegistryValue(HKEY root, const std::wstring& path, const std::wstring& name,
                                         DWORD type, const std::string& data)
    : name_(name) {
    HKEY key = nullptr;
    RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    key_.reset(key);
    BYTE buffer[4096];
    DWORD size = sizeof buffer;
    existed_ = RegQueryValueExW(key, name.c_str(), nullptr, &previousType_, buffer, &size) == ERROR_SUCCESS;
    if (existed_) previous_.assign(reinterpret_cast<const char*>(buffer), size);
    if (type == REG_NONE) {
        RegDeleteValueW(key, name.c_str());
        return;
    }
    EXPECT_EQ(RegSetValueExW(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                             static_cast<DWORD>(data.size())),
              ERROR_SUCCESS)
        << platform::ToMultiByte(CP_UTF8, path + L"\\" + name);
}

ScopedRegistryValue::~ScopedRegistryValue() {
    if (existed_)
        RegSetValueExW(key_.get(), name_.c_str(), 0, previousType_,
                       reinterpret_cast<const BYTE*>(previous_.data()), static_cast<DWORD>(previous_.size()));
    else
        RegDeleteValueW(key_.get(), name_.c_str());
}

std::string RegistryText(const std::wstring& text) {
    return std::string(reinterpret_cast<const char*>(text.c_str()), (text.size() + 1) * sizeof(wchar_t));
}

std::string RegistryNumber(DWORD number) { return std::string(reinterpret_cast<const char*>(&number), sizeof number); }

ScopedWineVersion::ScopedWineVersion(const std::string& version)
    : ScopedRegistryValue(HKEY_CURRENT_USER, L"Software\\Wine", L"Version", version.empty() ? REG_NONE : REG_SZ,
                          RegistryText(Wide(version))) {}

}  // namespace testing_support
