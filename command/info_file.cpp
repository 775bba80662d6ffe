// EUDC.INI: the link table and settings that travel with the font files.
// Read and written only through the system's profile functions, always
// with full paths.
#include "command/info_file.h"

#include <algorithm>
#include <utility>

#include "command/param.h"
#include "command/paths.h"
#include "platform/platform.h"

namespace {

const char* Flag(bool on) { return on ? "1" : "0"; }

// Writes the [MINAMO] keys in their order; false at the first refusal.
// The system rewrites the whole file at each write: a file that is not
// there yet gets the section in one write, which makes the same file.
bool WriteSettings(const std::string& file, bool fileExists, bool copyEuf, bool checkDate, bool silent) {
    using info_file::kSettingsSection;
    const std::pair<const char*, const char*> keys[] = {
        {"AutoRun", "0"}, {"CopyEUF", Flag(copyEuf)}, {"CheckDate", Flag(checkDate)},
        {"Silet", Flag(silent)}, {"TargetFolder", ""}};
    if (!fileExists) {
        StringList lines;
        for (const auto& key : keys) lines.push_back(std::string(key.first) + "=" + key.second);
        return platform::WriteProfileSection(file, kSettingsSection, lines);
    }
    for (const auto& key : keys)
        if (!platform::WriteProfileString(file, kSettingsSection, key.first, key.second)) return false;
    return true;
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return platform::CompareTextIgnoreCase(a, b) < 0;
}

// The full names of the installed TrueType Shift-JIS faces, sorted.
StringList InstalledFonts() {
    StringList fonts;
    platform::ScreenDC screen;
    platform::EnumerateFontFamilies(screen.get(), TminamoParam::FontEnumProc,
                                    reinterpret_cast<LPARAM>(&fonts));
    std::sort(fonts.begin(), fonts.end(), LessIgnoringCase);
    return fonts;
}

bool Holds(const StringList& sorted, const std::string& name) {
    auto at = std::lower_bound(sorted.begin(), sorted.end(), name, LessIgnoringCase);
    return at != sorted.end() && platform::CompareTextIgnoreCase(*at, name) == 0;
}

}  // namespace

bool TminamoParam::WriteInfoFile() {
    StringList names;
    for (const std::string& file : LinkFiles) names.push_back(paths::FileNamePart(file));
    return WriteInfoFile(names);
}

bool TminamoParam::WriteInfoFile(const StringList& fileNames) {
    const std::string file = TargetFolder + info_file::kFileName;
    const bool fileExists = platform::FileExists(file);
    if (!WriteSettings(file, fileExists, CopyEUF, CheckDate, Silent)) return false;
    // Erased first, so that the table stands after [MINAMO] as a new one.
    if (fileExists && !platform::EraseProfileSection(file, info_file::kLinkSection)) return false;
    if (LinkNames.empty()) return true;
    // One write for the whole table: each write rewrites the file, and one
    // per link made the file take longer than copying the fonts.
    StringList lines;
    for (size_t i = 0; i < LinkNames.size() && i < fileNames.size(); ++i)
        lines.push_back(LinkNames[i] + "=" + fileNames[i]);
    return platform::WriteProfileSection(file, info_file::kLinkSection, lines);
}

bool TminamoParam::WriteDefaultInfoFile() {
    if (!platform::DirectoryExists(TargetFolder)) return false;
    const std::string file = TargetFolder + info_file::kFileName;
    return WriteSettings(file, platform::FileExists(file), true, false, false) &&
           platform::WriteProfileString(file, info_file::kLinkSection, info_file::kDefaultLinkName,
                                        info_file::kDefaultFontFile);
}

int CALLBACK TminamoParam::FontEnumProc(const LOGFONTA* font, const TEXTMETRICA*, DWORD fontType,
                                        LPARAM list) {
    if (fontType == TRUETYPE_FONTTYPE && font->lfCharSet == SHIFTJIS_CHARSET) {
        // The full name, not the face name of the logical font.
        const auto* record = reinterpret_cast<const ENUMLOGFONTA*>(font);
        std::string name(reinterpret_cast<const char*>(record->elfFullName),
                         strnlen(reinterpret_cast<const char*>(record->elfFullName), LF_FULLFACESIZE));
        if (!name.empty() && name[0] != '@') reinterpret_cast<StringList*>(list)->push_back(name);
    }
    return 1;
}

uint8_t TminamoParam::ReadInfoFile() {
    // Asked for once, and only for a key that is none of the fixed names:
    // the screen's device context brings up the display driver and the
    // font list, which under Wine costs about as much as starting.
    StringList installed;
    bool enumerated = false;
    auto isInstalled = [&](const std::string& face) {
        if (!enumerated) {
            installed = InstalledFonts();
            enumerated = true;
        }
        return Holds(installed, face);
    };
    ResolveTarget();
    const std::string file = TargetFolder + info_file::kFileName;
    const StringList keys = platform::ReadProfileKeys(file, info_file::kLinkSection);
    if (keys.empty()) return kResultInfoIncomplete;

    IniLinkNames.clear();
    IniLinkFiles.clear();
    for (const std::string& key : keys) {
        if (key == info_file::kPGothicJapanese)
            IniLinkNames.push_back(info_file::kPGothic);
        else if (key == info_file::kDefaultLinkName || key == info_file::kPGothic || isInstalled(key))
            IniLinkNames.push_back(key);
        // Otherwise its face is not installed here: neither copied nor linked.
    }
    if (IniLinkNames.empty()) return kResultNoLinkFont;

    StandardLinks = true;
    for (const std::string& name : IniLinkNames) {
        std::string value = platform::ReadProfileString(file, info_file::kLinkSection, name, "");
        if (name == info_file::kPGothic && value.empty())
            value = platform::ReadProfileString(file, info_file::kLinkSection, info_file::kPGothicJapanese, "");
        if (paths::UpperAscii(paths::ExtensionOf(value)) != ".TTE") StandardLinks = false;
        IniLinkFiles.push_back(value);
    }
    return kResultOk;
}
