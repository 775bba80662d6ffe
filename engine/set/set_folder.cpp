#include "engine/set/set_folder.h"

#include <unordered_set>

#include "engine/characters/outline_hash.h"
#include "engine/paths/paths.h"
#include "engine/paths/sorted_names.h"
#include "engine/report/texts.h"
#include "platform/files.h"
#include "platform/text.h"

std::string CompanionOf(const std::string& name) {
    return paths::ChangeExtension(name, info_file::kCompanionExtension);
}

SetFolder::SetFolder(const std::string& folder, bool hashesWanted)
    : folder_(folder), hashesWanted_(hashesWanted) {
    using namespace info_file;
    holdsSet_ = HoldsEudcData(folder_);
    hasInfoFile_ = holdsSet_ && platform::FileExists(folder_ + kFileName);
    if (hasInfoFile_)
        allLinks_ = ReadLinkSection(folder_);
    else if (holdsSet_)
        allLinks_ = {{kDefaultLinkName, kDefaultFontFile}};
}

StringList SetFolder::LinkedFiles() const {
    StringList names;
    for (const FontLink& link : allLinks_)
        if (IsInstallableName(link.file) && platform::FileExists(folder_ + link.file)) names.push_back(link.file);
    return DistinctIgnoringCase(names);
}

Result SetFolder::ReadForThisPc(const LinkTest& takenAsInstalled) {
    links_ = FontLinkTable();
    linksPut_.clear();
    files_.clear();
    missing_.clear();
    if (!holdsSet_) return Result::kNoFilesToInstall;
    const Result read = LinksHere(allLinks_, links_, takenAsInstalled);
    if (read != Result::kOk) return read;

    StringList names;
    for (const FontLink& link : links_.links) names.push_back(link.file);
    std::unordered_set<std::string> put;  // in capitals, as the file system compares names
    for (const std::string& name : DistinctIgnoringCase(names)) {
        // A name with a folder in it could reach outside the set and the
        // user data folder; a device, or a name the install keeps for
        // itself, is no font file, whatever the folder seems to hold.
        if (!paths::IsBareFileName(name)) {
            missing_.push_back(name + texts::kNotFoundLine);
        } else if (!IsInstallableName(name) || !platform::FileExists(folder_ + name)) {
            missing_.push_back(folder_ + name + texts::kNotFoundLine);
        } else {
            const std::string companion = CompanionOf(name);
            files_.push_back({name, companion, platform::FileExists(folder_ + companion)});
            put.insert(platform::UpperCaseText(name));
        }
    }
    for (const FontLink& link : links_.links)
        if (put.count(platform::UpperCaseText(link.file)) != 0) linksPut_.push_back(link);
    return Result::kOk;
}

bool SetFolder::ReadBytes(const std::string& name, std::string& bytes) {
    if (!platform::ReadWholeFile(folder_ + name, bytes)) return false;
    if (hashesWanted_) hashes_[paths::UpperAscii(name)] = characters::HashText(bytes);
    return true;
}

bool SetFolder::Hash(const std::string& name, uint64_t& hash) {
    const auto known = hashes_.find(paths::UpperAscii(name));
    if (known != hashes_.end()) {
        hash = known->second;
        return true;
    }
    std::string bytes;
    if (!platform::ReadWholeFile(folder_ + name, bytes)) return false;
    hash = characters::HashText(bytes);
    if (hashesWanted_) hashes_[paths::UpperAscii(name)] = hash;
    return true;
}
