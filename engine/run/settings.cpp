#include "engine/run/settings.h"

#include <cerrno>
#include <cstdlib>

#include "engine/links/info_file.h"
#include "engine/paths/paths.h"
#include "platform/profile.h"

namespace {

// A boolean key: a decimal or 0x-hexadecimal integer, non-zero is true;
// missing, empty or not a number gives the default.
bool ReadBool(const std::string& file, const char* key, bool fallback) {
    std::string value = platform::ReadProfileString(file, info_file::kSettingsSection, key, "");
    if (value.empty()) return fallback;
    const char* text = value.c_str();
    const char* digits = text + (*text == '-' || *text == '+');
    int base = digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X') ? 16 : 10;
    char* end = nullptr;
    errno = 0;
    long long n = std::strtoll(text, &end, base);
    if (end == text || *end != '\0') return fallback;  // not a number as a whole
    return n != 0 || errno == ERANGE;
}

}  // namespace

bool ReadStartupSettings(const std::string& programFolder, Options& options, Target& target) {
    const std::string file = programFolder + info_file::kFileName;
    options.autoRun = ReadBool(file, info_file::kAutoRunKey, false);
    const FolderSettings settings = ReadFolderSettings(programFolder);
    options.copyCompanions = settings.copyCompanions;
    options.onlyNewer = settings.onlyNewer;
    options.silent = settings.silent;
    target = TargetNamed(programFolder, AddTrailingBackslash(platform::ReadProfileString(
                                            file, info_file::kSettingsSection, info_file::kTargetFolderKey, "")));
    options.logFile =
        platform::ReadProfileString(file, info_file::kSettingsSection, info_file::kLogFileKey, "");
    return options.autoRun;
}

FolderSettings ReadFolderSettings(const std::string& folder) {
    const std::string file = folder + info_file::kFileName;
    FolderSettings settings;
    settings.copyCompanions = ReadBool(file, info_file::kCopyEufKey, true);
    settings.onlyNewer = ReadBool(file, info_file::kCheckDateKey, false);
    settings.silent = ReadBool(file, info_file::kSilentKey, false);
    return settings;
}
