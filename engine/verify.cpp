#include "engine/verify.h"

#include "engine/info_file.h"
#include "engine/operation_texts.h"
#include "engine/paths.h"
#include "engine/set_fingerprint.h"
#include "engine/sorted_names.h"
#include "engine/texts.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/text.h"

namespace {

// The links an install of the folder would write, as the install reads
// them; a folder with only EUDC.TTE has its default link, in memory: the
// verify writes no EUDC.INI.
Result ReadLinksToVerify(const std::string& folder, FontLinkTable& links) {
    if (!HoldsEudcData(folder)) return Result::kNoFilesToInstall;
    if (platform::FileExists(folder + info_file::kFileName)) return ReadInfoFile(folder, links);
    links = FontLinkTable();
    links.links.push_back({info_file::kDefaultLinkName, info_file::kDefaultFontFile});
    return Result::kOk;
}

// The files an install of the links would put into the user data folder:
// each linked file the set holds, and its companion when companions travel.
StringList FilesToVerify(const FontLinks& links, SetFiles& set, bool companions) {
    StringList files;
    for (const FontLink& link : links) {
        if (!IsInstallableName(link.file) || !platform::FileExists(set.Folder() + link.file)) continue;
        files.push_back(link.file);
        const std::string companion = paths::ChangeExtension(link.file, info_file::kCompanionExtension);
        if (companions && platform::FileExists(set.Folder() + companion)) files.push_back(companion);
    }
    return DistinctIgnoringCase(files);
}

// Files' bytes, read into the same two buffers file after file: memory
// taken anew for each file of a few megabytes costs more under Wine than
// reading the file into it.
struct FileBuffers {
    std::string set, installed;
};

void CompareFile(const std::string& name, SetFiles& set, const std::string& userData, FileBuffers& buffers,
                 StringList& differences) {
    std::string& setBytes = buffers.set;
    std::string& installedBytes = buffers.installed;
    const std::string installed = userData + name;
    const bool read = platform::ReadWholeFile(installed, installedBytes);
    if (!read) installedBytes.clear();  // the file before's bytes are not this one's
    if (!read && !platform::FileExists(installed))
        differences.push_back(texts::Format(texts::kVerifyMissingFile, {installed}));
    else if (!set.Read(name, setBytes) || setBytes != installedBytes)
        differences.push_back(texts::Format(texts::kVerifyOtherBytes, {installed, set.Folder() + name}));
}

// The registry's value for a face, under the name Windows 98 to NT 4.0
// give the Japanese PGothic.
bool LinkOf(HKEY key, const std::string& face, DWORD majorVersion, std::string& file) {
    const bool japaneseName = majorVersion < 5 && face == info_file::kPGothic;
    return platform::ReadText(key, japaneseName ? info_file::kPGothicJapanese : face, file) ==
           platform::TextRead::kText;
}

void CompareLinks(const FontLinks& links, SetFiles& set, const Folders& folders, StringList& differences) {
    const platform::UniqueKey key = platform::OpenKey(HKEY_CURRENT_USER, "EUDC\\932", KEY_READ);
    for (const FontLink& link : links) {
        if (!IsInstallableName(link.file) || !platform::FileExists(set.Folder() + link.file)) continue;
        const std::string wanted = folders.userData + link.file;
        std::string linked;
        if (!LinkOf(key.get(), link.face, folders.MajorVersion(), linked))
            differences.push_back(texts::Format(texts::kVerifyNoLink, {link.face, wanted}));
        else if (platform::UpperCaseText(linked) != platform::UpperCaseText(wanted))
            differences.push_back(texts::Format(texts::kVerifyOtherLink, {link.face, linked, wanted}));
    }
}

}  // namespace

Result VerifyEudc(const EudcRequest& request, VerifyReport& report) {
    report = VerifyReport();
    const std::string& folder = request.target.Folder();
    if (!CheckSpelled(folder, request.notifier)) return Result::kNoFilesToInstall;
    FontLinkTable links;
    const Result read = ReadLinksToVerify(folder, links);
    SetFiles set(folder);
    if (read != Result::kOk) {
        request.notifier.Notify(ResultText(Operation::kInstall, read));
        return read;
    }
    FileBuffers buffers;
    for (const std::string& name : FilesToVerify(links.links, set, request.options.copyCompanions))
        CompareFile(name, set, request.folders.userData, buffers, report.differences);
    CompareLinks(links.links, set, request.folders, report.differences);
    // The fingerprint is for the run log; without one it is not worth
    // hashing the whole set.
    if (!request.options.logFile.empty()) report.fingerprint = SetFingerprint(set);
    const bool has = report.differences.empty();
    request.notifier.Notify(texts::Format(has ? texts::kVerifyHasSet : texts::kVerifyLacksSet, {folder}) +
                            texts::CrLines(report.differences));
    return has ? Result::kOk : Result::kSetNotInstalled;
}
