#include "engine/folder_tree.h"

#include "engine/paths.h"
#include "platform/files.h"

bool CreateFolderTree(const std::string& path) {
    // Nothing is ever made where a path could not be spelled.
    if (!paths::IsSpelled(path)) return false;
    std::string folder = path;
    while (paths::EndsWithBackslash(folder)) folder.pop_back();
    if (folder.empty()) return false;
    if (folder.size() <= paths::RootLength(folder)) return platform::DirectoryExists(folder + "\\");
    if (platform::DirectoryExists(folder)) return true;
    const size_t cut = paths::LastDelimiter(folder, "\\/");
    if (cut != std::string::npos && cut > 0 && !CreateFolderTree(folder.substr(0, cut))) return false;
    platform::CreateOneDirectory(folder);
    return platform::DirectoryExists(folder);
}
