#include "engine/paths/work_names.h"

#include "engine/paths/paths.h"

namespace work_names {

namespace {
bool StartsWith(const std::string& upperName, const char* prefix) {
    return upperName.compare(0, std::string(prefix).size(), paths::UpperAscii(prefix)) == 0;
}
}  // namespace

bool IsStagingFolder(const std::string& name) {
    const std::string upper = paths::UpperAscii(name);
    if (StartsWith(upper, kOldStagingPrefix)) return true;
    const size_t digits = std::string(kStagingPrefix).size();
    return StartsWith(upper, kStagingPrefix) && upper.size() > digits &&
           upper.find_first_not_of("0123456789", digits) == std::string::npos;
}

bool IsWorkName(const std::string& name) {
    // "backup." and "backup " are the file "backup" to Windows.
    std::string upper = paths::UpperAscii(name);
    upper.erase(upper.find_last_not_of(". ") + 1);
    return StartsWith(upper, "~MINAMO") || upper == paths::UpperAscii(kBackupFolder) || IsStagingFolder(name);
}

}  // namespace work_names
