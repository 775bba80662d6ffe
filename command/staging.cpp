#include "command/staging.h"


#include <vector>

#include "command/paths.h"
#include "command/texts.h"
#include "platform/platform.h"

namespace {

const char* const kStagingName = "~minamo-staging\\";
const char* const kPreviousSuffix = ".previous";

// The staging folder, removed with its files when the install ends.
class StagingFolder {
public:
    explicit StagingFolder(const std::string& path) : path_(path) {
        platform::RemoveFolderWithFiles(path_);  // left over from a broken run
        ok_ = platform::CreateOneDirectory(path_);
    }
    ~StagingFolder() { platform::RemoveFolderWithFiles(path_); }
    bool ok() const { return ok_; }
    const std::string& path() const { return path_; }

private:
    std::string path_;
    bool ok_;
};

// Moves staged files into place one by one, keeping each replaced file in
// the staging folder until all are in; undoes every move on a failure.
class Replacement {
public:
    explicit Replacement(const std::string& staging) : staging_(staging) {}

    bool Move(const std::string& staged, const std::string& destination) {
        Step step{destination, staging_ + paths::FileNamePart(destination) + kPreviousSuffix, false};
        if (platform::FileExists(destination)) {
            if (!platform::ReplaceFile(destination, step.previous)) return false;
            step.hadPrevious = true;
        }
        steps_.push_back(step);
        return platform::ReplaceFile(staged, destination);
    }

    void Undo() {
        for (auto it = steps_.rbegin(); it != steps_.rend(); ++it) {
            platform::DeleteOneFile(it->destination);
            if (it->hadPrevious) platform::ReplaceFile(it->previous, it->destination);
        }
        steps_.clear();
    }

private:
    struct Step {
        std::string destination, previous;
        bool hadPrevious;
    };
    std::string staging_;
    std::vector<Step> steps_;
};

}  // namespace

bool StagedInstall(const CopyList& copy, const std::string& folder) {
    StagingFolder staging(folder + kStagingName);
    if (!staging.ok()) return false;
    CopyList staged;
    for (const CopyList::Item& item : copy.Items())
        staged.Add(item.source, staging.path() + paths::FileNamePart(item.destination));

    platform::ShellCopyRequest request;
    request.sources = staged.SourceText();
    request.destinations = staged.DestinationText();
    request.flags = FOF_MULTIDESTFILES | FOF_NOCONFIRMATION | FOF_FILESONLY;
    request.progressTitle = texts::kInstallProgressTitle;
    request.abortedBefore = static_cast<BOOL>(0xFFFFFFFF);
    if (platform::ShellCopy(request).code != 0 || !staged.AllArrived()) return false;

    Replacement replacement(staging.path());
    for (size_t i = 0; i < copy.Items().size(); ++i) {
        if (!replacement.Move(staged.Items()[i].destination, copy.Items()[i].destination)) {
            replacement.Undo();
            return false;
        }
    }
    return true;
}
