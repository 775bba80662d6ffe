#include "engine/run/target.h"

#include "engine/paths/paths.h"
#include "platform/files.h"

Target TargetNamed(const std::string& programFolder, const std::string& name) {
    Target target;
    target.name_ = name;
    target.folder_ = paths::BelowUnlessAbsolute(programFolder, name);
    target.existed_ = !name.empty() && platform::DirectoryExists(target.folder_);
    target.absolute_ = target.existed_ && paths::IsAbsolutePath(name);
    return target;
}
