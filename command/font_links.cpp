// The per-user font-link table HKEY_CURRENT_USER\EUDC\932: which EUDC font
// file serves which face.
#include <algorithm>

#include "command/info_file.h"
#include "command/param.h"
#include "command/paths.h"
#include "command/texts.h"
#include "platform/platform.h"

namespace {

// RegOpenKeyEx takes the path without a leading backslash.
const char* const kLinkKey = "EUDC\\932";
const char* const kSystemRoot = "%SYSTEMROOT%\\";

// Replaces the first "%SystemRoot%\", letter case ignored.
std::string ExpandSystemRoot(const std::string& data, const std::string& windowsFolder) {
    const std::string upper = paths::UpperAscii(data);
    size_t at = upper.find(kSystemRoot);
    if (at == std::string::npos) return data;
    return data.substr(0, at) + windowsFolder + data.substr(at + std::string(kSystemRoot).size());
}

bool IsStandardFile(const std::string& path) {
    return paths::UpperAscii(paths::ExtensionOf(path)) == ".TTE";
}

// First index of name in list, letter case ignored the locale's way.
int IndexOfText(const StringList& list, const std::string& name) {
    for (size_t i = 0; i < list.size(); ++i)
        if (platform::CompareTextIgnoreCase(list[i], name) == 0) return static_cast<int>(i);
    return -1;
}

}  // namespace

void TminamoParam::ReadFontLinks() {
    LinkNames.clear();
    LinkFiles.clear();
    platform::RegistryKey key;
    key.Open(HKEY_CURRENT_USER, kLinkKey, KEY_ALL_ACCESS);
    StandardLinks = true;
    for (const platform::RegistryKey::TextValue& value : key.TextValues()) {
        // A value whose data is not text is no link: skip it.
        if (!value.isText) continue;
        std::string file = ExpandSystemRoot(value.text, WindowsFolder);
        if (!IsStandardFile(file)) StandardLinks = false;
        LinkNames.push_back(value.name);
        LinkFiles.push_back(file);
    }
}

uint8_t TminamoParam::WriteFontLinks() {
    uint8_t result = kResultOk;
    UnlinkedLines.clear();
    {
        platform::RegistryKey key;
        key.Create(HKEY_CURRENT_USER, kLinkKey, KEY_ALL_ACCESS);
        for (size_t i = 0; i < IniLinkNames.size(); ++i) {
            std::string name = IniLinkNames[i];
            const std::string& file = IniLinkFiles[i];
            // A link to a file that is not there would break the face.
            if (!paths::IsBareFileName(file) || !platform::FileExists(UserDataFolder + file)) {
                UnlinkedLines.push_back(texts::Format(texts::kLinkSkipped, {name, file}));
                continue;
            }
            if (OsVersion.dwMajorVersion < 5 && name == info_file::kPGothic) name = info_file::kPGothicJapanese;
            if (!key.WriteText(name, UserDataFolder + file)) {
                result = kResultRegistryError;
                break;
            }
        }
    }
    ReadFontLinks();
    return result;
}

std::string TminamoParam::FindLinkedFile(const std::string& face) const {
    if (LinkFiles.empty()) return std::string();
    std::string wanted = face;
    if (OsVersion.dwMajorVersion >= 5 && face == info_file::kPGothicJapanese) wanted = info_file::kPGothic;
    int at = IndexOfText(LinkNames, wanted);
    if (at < 0) at = IndexOfText(LinkNames, info_file::kDefaultLinkName);
    return at < 0 ? std::string() : LinkFiles[at];
}

std::string TminamoParam::FontLinkText() const {
    std::string text;
    for (size_t i = 0; i < LinkFiles.size(); ++i) text += LinkNames[i] + " = " + LinkFiles[i] + "\r\n";
    return text;
}

void TminamoParam::BuildDistinctFiles() {
    DistinctFiles.clear();
    auto less = [](const std::string& a, const std::string& b) {
        return platform::CompareTextIgnoreCase(a, b) < 0;
    };
    for (const std::string& file : IniLinkFiles) {
        auto at = std::lower_bound(DistinctFiles.begin(), DistinctFiles.end(), file, less);
        if (at == DistinctFiles.end() || platform::CompareTextIgnoreCase(*at, file) != 0)
            DistinctFiles.insert(at, file);
    }
}
