#include "engine/paths/folder_tree.h"

#include "engine/paths/paths.h"
#include "platform/files.h"

platform::Outcome CreateFolderTree(const std::string& path) {
    using platform::Outcome;
    // Nothing is ever made where a path could not be spelled.
    if (!paths::IsSpelled(path)) return Outcome::Failure(ERROR_INVALID_NAME);
    std::string folder = path;
    while (paths::EndsWithBackslash(folder)) folder.pop_back();
    if (folder.empty()) return Outcome::Failure(ERROR_INVALID_NAME);
    if (folder.size() <= paths::RootLength(folder))
        return platform::DirectoryExists(folder + "\\") ? Outcome() : Outcome::Failure(ERROR_PATH_NOT_FOUND);
    if (platform::DirectoryExists(folder)) return Outcome();
    const size_t cut = paths::LastDelimiter(folder, "\\/");
    if (cut != std::string::npos && cut > 0) {
        const Outcome parent = CreateFolderTree(folder.substr(0, cut));
        if (!parent) return parent;
    }
    // Another process may make it meanwhile: what counts is that it exists.
    const Outcome made = platform::CreateOneDirectory(folder);
    return platform::DirectoryExists(folder) ? Outcome() : made ? Outcome::Failure(ERROR_PATH_NOT_FOUND) : made;
}
