#include "engine/links/info_file.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <utility>

#include "engine/paths/paths.h"
#include "engine/paths/sorted_names.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/profile.h"
#include "platform/text.h"
#include "platform/unique_handle.h"

namespace {

const char* Flag(bool on) { return on ? "1" : "0"; }

// Writes the [MINAMO] keys in their order; false at the first refusal.
// The system rewrites the whole file at each write: a file that is not
// there yet gets the section in one write, which makes the same file.
platform::Outcome WriteSettings(const std::string& file, bool fileExists, bool copyEuf, bool checkDate,
                                bool silent) {
    using namespace info_file;
    const std::pair<const char*, const char*> keys[] = {{kAutoRunKey, "0"},
                                                        {kCopyEufKey, Flag(copyEuf)},
                                                        {kCheckDateKey, Flag(checkDate)},
                                                        {kSilentKey, Flag(silent)},
                                                        {kTargetFolderKey, ""}};
    if (!fileExists) {
        StringList lines;
        for (const auto& key : keys) lines.push_back(std::string(key.first) + "=" + key.second);
        return platform::WriteProfileSection(file, kSettingsSection, lines);
    }
    for (const auto& key : keys) {
        const platform::Outcome written = platform::WriteProfileString(file, kSettingsSection, key.first, key.second);
        if (!written) return written;
    }
    return platform::Outcome();
}

int CALLBACK AddShiftJisTrueTypeFont(const LOGFONTA* font, const TEXTMETRICA*, DWORD fontType, LPARAM list) {
    if (fontType == TRUETYPE_FONTTYPE && font->lfCharSet == SHIFTJIS_CHARSET) {
        // The full name, not the face name of the logical font.
        const auto* record = reinterpret_cast<const ENUMLOGFONTA*>(font);
        std::string name(reinterpret_cast<const char*>(record->elfFullName),
                         strnlen(reinterpret_cast<const char*>(record->elfFullName), LF_FULLFACESIZE));
        if (!name.empty() && name[0] != '@') reinterpret_cast<StringList*>(list)->push_back(name);
    }
    return 1;
}

// The full names of the installed TrueType Shift-JIS faces, sorted.
StringList InstalledFonts() {
    StringList fonts;
    const platform::WindowDC screen(nullptr);
    platform::EnumerateFontFamilies(screen.get(), AddShiftJisTrueTypeFont, reinterpret_cast<LPARAM>(&fonts));
    SortIgnoringCase(fonts);
    return fonts;
}

// The links of a table that this machine can link: their faces installed
// here, or one of the fixed names. When takenAsInstalled accepts every
// other link, the system is not asked.
FontLinks LinkableHere(FontLinks links, const LinkTest& takenAsInstalled) {
    const auto trusted = [&](const FontLink& link) {
        return IsFixedFace(link.face) || takenAsInstalled(link);
    };
    if (takenAsInstalled && std::all_of(links.begin(), links.end(), trusted)) return links;
    // Asked for once, and only for a face that is none of the fixed names:
    // the screen's device context brings up the display driver and the
    // font list, which under Wine costs about as much as starting.
    StringList installed;
    bool enumerated = false;
    auto isInstalled = [&](const std::string& face) {
        if (!enumerated) {
            installed = InstalledFonts();
            enumerated = true;
        }
        return SortedContains(installed, face);
    };
    // Otherwise its face is not installed here: neither copied nor linked.
    links.erase(std::remove_if(
                    links.begin(), links.end(),
                    [&](const FontLink& link) { return !IsFixedFace(link.face) && !isInstalled(link.face); }),
                links.end());
    return links;
}

// Each key's value as the system's reader gives it, the first entry of
// that name in any letter case.
class FirstValues {
public:
    explicit FirstValues(const std::vector<platform::ProfileEntry>& entries) {
        for (const platform::ProfileEntry& entry : entries)
            values_.emplace(platform::UpperCaseText(entry.key), entry.value);
    }
    std::string Of(const std::string& key) const {
        const auto found = values_.find(platform::UpperCaseText(key));
        return found == values_.end() ? std::string() : found->second;
    }

private:
    std::map<std::string, std::string> values_;
};

}  // namespace

bool IsFixedFace(const std::string& face) {
    return face == info_file::kDefaultLinkName || face == info_file::kPGothic;
}

std::string InstalledFaceName(const std::string& face) {
    return face == info_file::kPGothicJapanese ? info_file::kPGothic : face;
}

bool CanHoldFace(const std::string& face) {
    if (face.empty() || face[0] == '[' || face[0] == ';') return false;
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    if (blank(face.front()) || blank(face.back())) return false;
    // No second byte of a two-byte character is below 0x40: these bytes
    // are always characters of their own.
    return face.find_first_of("=\r\n") == std::string::npos;
}

bool IsCompanionFile(const std::string& path) {
    return paths::UpperAscii(paths::ExtensionOf(path)) == paths::UpperAscii(info_file::kCompanionExtension);
}

bool HoldsEudcData(const std::string& folder) {
    return platform::FileExists(folder + info_file::kFileName) ||
           platform::FileExists(folder + info_file::kDefaultFontFile);
}

platform::Outcome WriteInfoFile(const std::string& folder, const Options& options, const FontLinks& links) {
    const std::string file = folder + info_file::kFileName;
    const bool fileExists = platform::FileExists(file);
    const platform::Outcome settings =
        WriteSettings(file, fileExists, options.copyCompanions, options.onlyNewer, options.silent);
    if (!settings) return settings;
    // Erased first, so that the table stands after [MINAMO] as a new one.
    if (fileExists) {
        const platform::Outcome erased = platform::EraseProfileSection(file, info_file::kLinkSection);
        if (!erased) return erased;
    }
    if (links.empty()) return platform::Outcome();
    // One write for the whole table: each write rewrites the file, and one
    // per link made the file take longer than copying the fonts.
    StringList lines;
    for (const FontLink& link : links) lines.push_back(link.face + "=" + link.file);
    return platform::WriteProfileSection(file, info_file::kLinkSection, lines);
}

platform::Outcome WriteDefaultInfoFile(const std::string& folder) {
    if (!platform::DirectoryExists(folder)) return platform::Outcome::Failure(ERROR_PATH_NOT_FOUND);
    const std::string file = folder + info_file::kFileName;
    const platform::Outcome settings = WriteSettings(file, platform::FileExists(file), true, false, false);
    if (!settings) return settings;
    return platform::WriteProfileString(file, info_file::kLinkSection, info_file::kDefaultLinkName,
                                        info_file::kDefaultFontFile);
}

FontLinks ReadLinkSection(const std::string& folder) {
    // One read of the section: a read a key costs under Wine a third of a
    // millisecond, longer than the rest of a link's reading.
    const std::vector<platform::ProfileEntry> entries =
        platform::ReadProfileEntries(folder + info_file::kFileName, info_file::kLinkSection);
    const FirstValues values(entries);
    FontLinks links;
    for (const platform::ProfileEntry& entry : entries) links.push_back({entry.key, values.Of(entry.key)});
    return links;
}

Result LinksHere(const FontLinks& written, FontLinkTable& table, const LinkTest& takenAsInstalled) {
    using namespace info_file;
    if (written.empty()) return Result::kNoLinkTable;
    std::vector<platform::ProfileEntry> entries;
    for (const FontLink& link : written) entries.push_back({link.face, link.file});
    const FirstValues values(entries);
    FontLinks links;
    for (const FontLink& link : written) {
        const std::string face = InstalledFaceName(link.face);
        std::string value = values.Of(face);
        if (face == kPGothic && value.empty()) value = values.Of(kPGothicJapanese);
        links.push_back({face, value});
    }
    table = FontLinkTable();
    table.links = LinkableHere(links, takenAsInstalled);
    if (table.links.empty()) return Result::kNoLinkedFaceHere;
    for (const FontLink& link : table.links)
        if (!IsStandardEudcFile(link.file)) table.standard = false;
    return Result::kOk;
}

Result ReadInfoFile(const std::string& folder, FontLinkTable& table, const LinkTest& takenAsInstalled) {
    return LinksHere(ReadLinkSection(folder), table, takenAsInstalled);
}
