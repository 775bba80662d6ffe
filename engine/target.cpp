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
    const bool isAbsolute = paths::IsAbsolutePath(name);
    const std::string path = isAbsolute ? name : programFolder_ + name;
    if (!platform::DirectoryExists(path)) return;
    folder = path;
    valid = true;
    absolute = isAbsolute;
}

void Target::Resolve() {
    // A folder not there yet is still the one the user named: an absolute
    // one is never put below the program's folder.
    if (!valid) folder = paths::IsAbsolutePath(name) ? name : programFolder_ + name;
}
