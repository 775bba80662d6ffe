#include "engine/verify.h"

#include <algorithm>

#include "engine/report/operation_texts.h"
#include "engine/paths/paths.h"
#include "engine/set/set_fingerprint.h"
#include "engine/set/no_set.h"
#include "engine/set/set_folder.h"
#include "engine/paths/sorted_names.h"
#include "engine/report/texts.h"
#include "platform/files.h"
#include "platform/registry.h"
#include "platform/text.h"

namespace {

// The files an install of the set would put into the user data folder:
// each file, and its companion when companions travel.
StringList FilesToVerify(const SetFolder& set, bool companions) {
    StringList files;
    for (const SetFolder::File& file : set.Files()) {
        files.push_back(file.name);
        if (companions && file.companionThere) files.push_back(file.companion);
    }
    return DistinctIgnoringCase(files);
}

// Files' bytes, read into the same buffers file after file: memory taken
// anew for each file of a few megabytes costs more under Wine than reading
// the file into it.
struct FileBuffers {
    std::string set, installed;
    std::vector<char> pieces;
};

// Whether the installed copy holds the set file's bytes; false when either
// cannot be read.
bool SameBytes(const std::string& installed, const std::string& name, SetFolder& set, FileBuffers& buffers) {
    // A fingerprint to come hashes the set's files: each is read whole, once.
    if (set.HashesWanted())
        return platform::ReadWholeFile(installed, buffers.installed) && set.ReadBytes(name, buffers.set) &&
               buffers.set == buffers.installed;
    return platform::SameFileBytes(installed, set.Folder() + name, buffers.pieces);
}

// The ways found so far: their lines, and the first one's kind and file.
struct Differences {
    StringList lines;
    VerifyDifference first;
    bool otherBytes = false;  // an installed file with other bytes

    void Add(const char* kind, const std::string& file, const std::string& line) {
        if (lines.empty()) first = {kind, file};
        if (std::string(kind) == "other bytes") otherBytes = true;
        lines.push_back(line);
    }
};

// What mends the differences: the install of the set, which replaces an
// installed file only when its size or time differs.
std::string MendLines(const std::string& folder, const Differences& differences) {
    std::string lines = "\r" + texts::Format(texts::kVerifyMend, {folder});
    if (differences.otherBytes) lines += "\r" + std::string(texts::kVerifyMendOtherBytes);
    return lines;
}

void CompareFile(const std::string& name, SetFolder& set, const std::string& userData, FileBuffers& buffers,
                 Differences& differences) {
    const std::string installed = userData + name;
    if (SameBytes(installed, name, set, buffers)) return;
    if (!platform::FileExists(installed))
        differences.Add("missing file", installed, texts::Format(texts::kVerifyMissingFile, {installed}));
    else
        differences.Add("other bytes", installed,
                        texts::Format(texts::kVerifyOtherBytes, {installed, set.Folder() + name}));
}

bool LinkOf(HKEY key, const std::string& face, DWORD majorVersion, std::string& file) {
    return platform::ReadText(key, RegistryFaceName(face, majorVersion), file) == platform::TextRead::kText;
}

bool LinkedTo(HKEY key, const std::string& face, const std::string& wanted, DWORD majorVersion) {
    std::string linked;
    return LinkOf(key, face, majorVersion, linked) && SamePath(linked, wanted);
}

void CompareLinks(HKEY key, const FontLinks& linksInSet, const Folders& folders, Differences& differences) {
    for (const FontLink& link : linksInSet) {
        const std::string wanted = folders.userData + link.file;
        std::string linked;
        if (!LinkOf(key, link.face, folders.MajorVersion(), linked))
            differences.Add("no link", wanted, texts::Format(texts::kVerifyNoLink, {link.face, wanted}));
        else if (!SamePath(linked, wanted))
            differences.Add("other link", wanted,
                            texts::Format(texts::kVerifyOtherLink, {link.face, linked, wanted}));
    }
}

Differences FindAll(HKEY key, SetFolder& set, const EudcRequest& request) {
    Differences differences;
    FileBuffers buffers;
    for (const std::string& name : FilesToVerify(set, request.options.copyCompanions))
        CompareFile(name, set, request.folders.userData, buffers, differences);
    CompareLinks(key, set.LinksPut(), request.folders, differences);
    return differences;
}

bool HasFixedFace(const FontLinks& links) {
    return std::any_of(links.begin(), links.end(), [](const FontLink& link) { return IsFixedFace(link.face); });
}

// Most PCs asked have the set, each face linked as the set links it, and
// asking the system for its fonts costs as much as the rest of /v under
// Wine. Such faces are taken as installed; the answer stands only when
// nothing differs, which it would also with fewer faces. Otherwise the set
// is read again as the install reads it.
class TrustedFaces {
public:
    TrustedFaces(HKEY key, const Folders& folders) : key_(key), folders_(folders) {}

    LinkTest Test() {
        return [this](const FontLink& link) {
            const bool linked =
                IsInstallableName(link.file) &&
                LinkedTo(key_, link.face, folders_.userData + link.file, folders_.MajorVersion());
            (linked ? taken_ : refused_) = true;
            return linked;
        };
    }
    bool AnyTaken() const { return taken_ && !refused_; }

private:
    HKEY key_;
    const Folders& folders_;
    bool taken_ = false, refused_ = false;
};

// The set's links for this PC and the files they put, as the install reads
// them, and the ways this PC differs; a result other than kOk when there is
// no set to install, as the install would say: no file to put is 9.
Result ReadAndCompare(const EudcRequest& request, HKEY key, SetFolder& set, const LinkTest& takenAsInstalled,
                      Differences& differences) {
    differences = Differences();
    const Result read = set.ReadForThisPc(takenAsInstalled);
    if (read != Result::kOk) return read;
    if (set.Files().empty()) return Result::kNoFilesToInstall;
    differences = FindAll(key, set, request);
    return Result::kOk;
}

// The ways this PC differs from the set; a result other than kOk when
// there is no set to compare with.
Result FindDifferences(const EudcRequest& request, SetFolder& set, Differences& differences) {
    const platform::UniqueKey key = platform::OpenKey(HKEY_CURRENT_USER, "EUDC\\932", KEY_READ);
    TrustedFaces trusted(key.get(), request.folders);
    const Result read = ReadAndCompare(request, key.get(), set, trusted.Test(), differences);
    // A fixed face whose file the set puts stays with fewer faces: so do
    // its file and the answer that nothing differs.
    if (!trusted.AnyTaken() || (read == Result::kOk && differences.lines.empty() && HasFixedFace(set.LinksPut())))
        return read;
    return ReadAndCompare(request, key.get(), set, LinkTest(), differences);
}

}  // namespace

Result VerifyEudc(const EudcRequest& request, VerifyReport& report) {
    report = VerifyReport();
    const std::string& folder = request.target.Folder();
    if (!CheckSpelled(folder, request.notifier)) return Result::kNoFilesToInstall;
    // The fingerprint is for the run log; without one it is not worth
    // hashing the whole set.
    const bool fingerprintWanted = !request.options.logFile.empty();
    SetFolder set(folder, fingerprintWanted);
    Differences differences;
    const Result read = FindDifferences(request, set, differences);
    if (read == Result::kNoFilesToInstall) {
        request.notifier.Notify(NoSetMessage(folder, set.Missing()));
        return read;
    }
    if (read != Result::kOk) {
        request.notifier.Notify(ResultText(Operation::kInstall, read));
        return read;
    }
    report.differences = differences.lines;
    report.first = differences.first;
    if (fingerprintWanted) report.fingerprint = SetFingerprint(set);
    const bool has = report.differences.empty();
    const std::string verdict = texts::Format(has ? texts::kVerifyHasSet : texts::kVerifyLacksSet, {folder});
    const std::string mend = has ? std::string() : MendLines(folder, differences);
    request.notifier.Notify(verdict + texts::CrLines(report.differences) + mend,
                            verdict + texts::ShownCrLines(report.differences) + mend);
    return has ? Result::kOk : Result::kSetNotInstalled;
}
