#include "engine/links/font_links.h"

#include "engine/links/info_file.h"
#include "engine/paths/work_names.h"
#include "engine/paths/paths.h"
#include "engine/report/texts.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/text.h"

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

// The first link of face, letter case ignored the locale's way; nullptr
// when there is none.
const FontLink* LinkOf(const FontLinks& links, const std::string& face) {
    for (const FontLink& link : links)
        if (platform::CompareTextIgnoreCase(link.face, face) == 0) return &link;
    return nullptr;
}

}  // namespace

bool IsInstallableName(const std::string& name) {
    return paths::IsBareFileName(name) && !paths::IsDeviceName(name) && !work_names::IsWorkName(name);
}

bool IsStandardEudcFile(const std::string& path) {
    return paths::UpperAscii(paths::ExtensionOf(path)) == ".TTE";
}

FontLinks ReadStoredFontLinks() {
    FontLinks links;
    const platform::UniqueKey key = platform::OpenKey(HKEY_CURRENT_USER, kLinkKey, KEY_READ);
    for (const platform::TextValue& value : platform::TextValues(key.get()))
        if (value.isText && !value.name.empty()) links.push_back({value.name, value.text});
    return links;
}

std::string LinkedFilePath(const std::string& stored, const Folders& folders) {
    if (stored.empty()) return stored;
    const std::string file = ExpandSystemRoot(stored, folders.windows);
    return paths::IsAbsolutePath(file) ? file : FontsFolder(folders) + file;
}

Result WriteStoredFontLinks(const FontLinks& links, const Folders& folders, FontLinkTable& table, Failure& failure) {
    Result result = Result::kOk;
    {
        // The rights writing values needs, no more: a key whose owner lets
        // the user set its values but not change its permissions or delete
        // it (a policy's) still takes the links.
        const platform::UniqueKey key =
            platform::CreateKey(HKEY_CURRENT_USER, kLinkKey, KEY_QUERY_VALUE | KEY_SET_VALUE);
        for (const FontLink& link : links) {
            const platform::Outcome written = link.file.empty() ? platform::DeleteValue(key.get(), link.face)
                                                                : platform::WriteText(key.get(), link.face, link.file);
            if (!written) {
                failure.Note(steps::kRegistry, written);
                result = Result::kRegistryRefused;
                break;
            }
        }
    }
    table = ReadFontLinks(folders.windows);
    return result;
}

FontLinkTable ReadFontLinks(const std::string& windowsFolder) {
    FontLinkTable table;
    // Read access only: a user may read a key a policy keeps from changing.
    platform::Outcome opened;
    const platform::UniqueKey key = platform::OpenKey(HKEY_CURRENT_USER, kLinkKey, KEY_READ, opened);
    if (!opened && opened.Code() != ERROR_FILE_NOT_FOUND) table.read = opened;
    // Names and data in one call a value: the table is read at every start.
    for (const platform::TextValue& value : platform::TextValues(key.get())) {
        // A value whose data is not text is no link, nor is the key's
        // unnamed default value: skip them.
        if (!value.isText || value.name.empty()) continue;
        const std::string file = ExpandSystemRoot(value.text, windowsFolder);
        if (!IsStandardEudcFile(file)) table.standard = false;
        table.links.push_back({value.name, file});
    }
    return table;
}

Result WriteFontLinks(const FontLinks& links, const Folders& folders, FontLinkTable& table,
                      StringList& unlinked, Failure& failure) {
    unlinked.clear();
    FontLinks stored;
    for (const FontLink& link : links) {
        // A link to a file that is not there would break the face.
        if (!IsInstallableName(link.file) || !platform::FileExists(folders.userData + link.file)) {
            unlinked.push_back(texts::Format(texts::kLinkSkipped, {link.face, link.file}));
            continue;
        }
        stored.push_back({RegistryFaceName(link.face, folders.MajorVersion()), folders.userData + link.file});
    }
    return WriteStoredFontLinks(stored, folders, table, failure);
}

std::string RegistryFaceName(const std::string& face, DWORD majorVersion) {
    return majorVersion < 5 && face == info_file::kPGothic ? info_file::kPGothicJapanese : face;
}

std::string FindLinkedFile(const FontLinkTable& table, const std::string& face, DWORD majorVersion) {
    const bool laterName = majorVersion >= 5 && face == info_file::kPGothicJapanese;
    const FontLink* link = LinkOf(table.links, laterName ? info_file::kPGothic : face);
    if (!link) link = LinkOf(table.links, info_file::kDefaultLinkName);
    return link ? link->file : std::string();
}

std::string FontLinkText(const FontLinkTable& table) {
    std::string text;
    for (const FontLink& link : table.links) text += link.face + " = " + link.file + "\r\n";
    return text;
}
