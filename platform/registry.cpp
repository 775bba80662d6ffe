// Registry keys. Names and data are read into buffers that grow on
// ERROR_MORE_DATA: RegQueryInfoKeyA may report lengths in UTF-16 units,
// which are shorter than the Shift-JIS bytes of the same name.
#include "platform/registry.h"

#include <utility>

namespace platform {

UniqueKey OpenKey(HKEY root, const char* path, REGSAM access) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path, 0, access, &key) != ERROR_SUCCESS) return UniqueKey();
    return UniqueKey(key);
}

UniqueKey CreateKey(HKEY root, const char* path, REGSAM access) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, path, 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return UniqueKey();
    return UniqueKey(key);
}

std::vector<TextValue> TextValues(HKEY key) {
    std::vector<TextValue> values;
    if (!key) return values;
    DWORD count = 0, longestName = 0, longestData = 0;
    if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, &longestName,
                         &longestData, nullptr, nullptr) != ERROR_SUCCESS)
        return values;
    std::vector<char> name(longestName * 2 + 2 > 256 ? longestName * 2 + 2 : 256);
    std::vector<char> data(longestData + 2);
    for (DWORD i = 0; i < count;) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD dataLength = static_cast<DWORD>(data.size()) - 1;  // room for a closing NUL
        DWORD type = 0;
        LONG r = RegEnumValueA(key, i, name.data(), &nameLength, nullptr, &type,
                               reinterpret_cast<BYTE*>(data.data()), &dataLength);
        if (r == ERROR_MORE_DATA && name.size() < 65536) {
            // Either may be short; the data's length comes back, the name's not.
            name.resize(name.size() * 2);
            data.resize(data.size() * 2 > dataLength + 2 ? data.size() * 2 : dataLength + 2);
            continue;
        }
        if (r != ERROR_SUCCESS) break;
        TextValue value{std::string(name.data(), nameLength), type == REG_SZ || type == REG_EXPAND_SZ, ""};
        if (value.isText) {
            data[dataLength] = '\0';
            value.text = data.data();  // raw text up to the first NUL
        }
        values.push_back(std::move(value));
        ++i;
    }
    return values;
}

TextRead ReadText(HKEY key, const std::string& name, std::string& text) {
    text.clear();
    if (!key) return TextRead::kFailed;
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return TextRead::kFailed;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return TextRead::kNotText;
    std::vector<char> data(size + 2);
    for (;;) {
        DWORD have = static_cast<DWORD>(data.size()) - 1;
        LONG r = RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
                                  &have);
        if (r == ERROR_MORE_DATA) {
            data.resize(data.size() * 2);
            continue;
        }
        if (r != ERROR_SUCCESS) return TextRead::kFailed;
        data[have] = '\0';
        text = data.data();  // raw text up to the first NUL
        return TextRead::kText;
    }
}

Outcome WriteText(HKEY key, const std::string& name, const std::string& text) {
    if (!key) return Outcome::Failure(ERROR_INVALID_HANDLE);
    const LONG r = RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                  static_cast<DWORD>(text.size()) + 1);
    return r == ERROR_SUCCESS ? Outcome() : Outcome::Failure(static_cast<DWORD>(r));
}

Outcome DeleteValue(HKEY key, const std::string& name) {
    if (!key) return Outcome::Failure(ERROR_INVALID_HANDLE);
    const LONG r = RegDeleteValueA(key, name.c_str());
    return r == ERROR_SUCCESS || r == ERROR_FILE_NOT_FOUND ? Outcome() : Outcome::Failure(static_cast<DWORD>(r));
}

}  // namespace platform
