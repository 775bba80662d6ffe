#include "engine/set/no_set.h"

#include "engine/paths/paths.h"
#include "engine/report/texts.h"
#include "platform/files.h"
#include "platform/outcome.h"

namespace {

bool NothingThere(const platform::Outcome& found) {
    switch (found.Code()) {
    case ERROR_FILE_NOT_FOUND: case ERROR_PATH_NOT_FOUND: case ERROR_DIRECTORY: case ERROR_INVALID_NAME:
        return true;
    default:
        return false;
    }
}

std::string Unreachable(const std::string& where, const platform::Outcome& why) {
    return texts::Format(texts::kFolderUnreachable, {paths::ShownPath(where)}) + "\r" +
           texts::Format(texts::kFailureReasonLine, {platform::ErrorText(why), platform::CodeName(why)});
}

// Which of the ways it is, as a line (or two).
std::string WhyNoSet(const std::string& folder, const StringList& missing) {
    // The drive or share first: a stick pulled out or a server away is
    // not a folder that is not there.
    const size_t root = paths::RootLength(folder);
    if (root > 0 && root < folder.size()) {
        const std::string rootFolder = AddTrailingBackslash(folder.substr(0, root));
        const platform::Outcome reached = platform::FolderThere(rootFolder);
        if (!reached) return Unreachable(rootFolder, reached);
    }
    const platform::Outcome there = platform::FolderThere(folder);
    if (!there && NothingThere(there)) return texts::Format(texts::kFolderNotThere, {paths::ShownPath(folder)});
    if (!there) return Unreachable(folder, there);
    if (!missing.empty()) return texts::CrLines(missing).substr(1);
    return texts::Format(texts::kFolderHoldsNoSet, {paths::ShownPath(folder)});
}

}  // namespace

std::string NoSetMessage(const std::string& folder, const StringList& missing) {
    return std::string(texts::kNoSourceFiles) + "\r" + WhyNoSet(folder, missing);
}
