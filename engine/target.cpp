#include "engine/target.h"

#include "engine/paths.h"
#include "platform/files.h"

void Target::Set(const std::string& newName) {
    name = newName;
    folder.clear();
    valid = false;
    absolute = false;
    if (name.empty()) return;
    // A share and the root of a stick name their folder by themselves.
    const std::string path = paths::BelowUnlessAbsolute(programFolder_, name);
    if (!platform::DirectoryExists(path)) return;
    folder = path;
    valid = true;
    absolute = paths::IsAbsolutePath(name);
}

void Target::Resolve() {
    // A folder not there yet is still the one the user named: an absolute
    // one is never put below the program's folder.
    if (!valid) folder = paths::BelowUnlessAbsolute(programFolder_, name);
}
