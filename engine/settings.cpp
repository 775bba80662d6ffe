// The [MINAMO] settings of an EUDC.INI: beside the program at start-up, in
// the chosen folder in window mode. Readers only: nothing is written or
// reported.
#include <cerrno>
#include <cstdlib>

#include "engine/info_file.h"
#include "engine/param.h"
#include "engine/paths.h"
#include "platform/platform.h"

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

bool TminamoParam::ReadStartupSettings() {
    const std::string file = ProgramFolder + info_file::kFileName;
    AutoRun = ReadBool(file, "AutoRun", false);
    CopyEUF = ReadBool(file, "CopyEUF", true);
    CheckDate = ReadBool(file, "CheckDate", false);
    Silent = ReadBool(file, "Silet", false);
    std::string target =
        platform::ReadProfileString(file, info_file::kSettingsSection, "TargetFolder", "");
    SetTarget(AddTrailingBackslash(target));
    LogFile = platform::ReadProfileString(file, info_file::kSettingsSection, "LogFile", "");
    return AutoRun;
}

void TminamoParam::ReadOptions() {
    const std::string file = TargetFolder + info_file::kFileName;
    CopyEUF = ReadBool(file, "CopyEUF", true);
    CheckDate = ReadBool(file, "CheckDate", false);
    Silent = ReadBool(file, "Silet", false);
}
