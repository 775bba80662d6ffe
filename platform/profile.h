// Profile (INI) files through the system's own reader and writer. Always
// pass full paths: a bare file name sends the profile functions to the
// Windows folder.
//
// On failure: a reader gives its fallback (or an empty list), a writer a
// failure with its code; the system rewrites the whole file on each write
// call, so a refused write leaves the file as the last successful one left
// it.
#pragma once

#include <string>
#include <vector>

#include "platform/outcome.h"

namespace platform {

// The value, or fallback when file, section or key is missing. At most 2047
// bytes of a value are read.
std::string ReadProfileString(const std::string& file, const char* section,
                              const std::string& key, const std::string& fallback);
// A section's "key=value" entry.
struct ProfileEntry {
    std::string key, value;
};
// The entries of a section in file order, all of them, however long the
// section, in one read of the file; each value as ReadProfileString gives
// it (blanks and one pair of enclosing quotes taken off). An empty key name
// is left out, the keys after it are not.
std::vector<ProfileEntry> ReadProfileEntries(const std::string& file, const char* section);
// The key names of ReadProfileEntries.
std::vector<std::string> ReadProfileKeys(const std::string& file, const char* section);
// A failure when the platform refused the write.
Outcome WriteProfileString(const std::string& file, const char* section, const std::string& key,
                           const std::string& value);
Outcome EraseProfileSection(const std::string& file, const char* section);
// Replaces every entry of a section with these "key=value" lines, in order,
// with one write of the file (WritePrivateProfileSectionA).
Outcome WriteProfileSection(const std::string& file, const char* section, const std::vector<std::string>& lines);

}  // namespace platform
