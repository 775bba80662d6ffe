// A set folder as every operation reads it: the links it holds (its
// EUDC.INI's [EUDC932], or the default link of a lone EUDC.TTE), the files
// an install of them puts into the user data folder with their companions,
// what it cannot put, and the files' bytes, each read at most once. The
// install, /v, /undo (a backup is a set) and the fingerprint all read a
// set through it.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "engine/links/font_links.h"
#include "engine/links/info_file.h"
#include "engine/paths/string_list.h"
#include "engine/report/result.h"

class SetFolder {
public:
    // A file the set puts, under the name EUDC.INI gives it, and its
    // companion (the .euf of the same name), which travels when there.
    struct File {
        std::string name;
        std::string companion;
        bool companionThere = false;
    };

    // Reads folder's links as written (folder ends with a backslash).
    // hashesWanted: whether the bytes read are hashed for a fingerprint to
    // come; hashing a 60 MB set costs more than comparing it.
    explicit SetFolder(const std::string& folder, bool hashesWanted = true);

    // Takes the links of the faces installed here (LinksHere, with
    // takenAsInstalled) and finds the files they put. kOk, or why there is
    // no set to install: kNoFilesToInstall (neither an EUDC.INI nor an
    // EUDC.TTE that is a file), kNoLinkTable, kNoLinkedFaceHere. A set
    // that puts no file at all is kOk with Files() empty: the install
    // says 9 once it has recovered, /v at once.
    Result ReadForThisPc(const LinkTest& takenAsInstalled = LinkTest());

    const std::string& Folder() const { return folder_; }
    // False for a lone EUDC.TTE, linked in memory by default; whether the
    // default EUDC.INI is written is the caller's business.
    bool HasInfoFile() const { return hasInfoFile_; }
    // Every link of the set as written, whatever faces this PC has: what
    // the set is on every PC alike.
    const FontLinks& AllLinks() const { return allLinks_; }
    // Whether the folder holds a set: an EUDC.INI, or an EUDC.TTE alone.
    bool HoldsSet() const { return holdsSet_; }
    // The files all of the set's links name that can be installed and are
    // files of the folder, each once (letter case aside), whatever faces
    // this PC has: what /map reads of a set, what /remove looks for.
    StringList LinkedFiles() const;
    // After ReadForThisPc: the links an install here writes, those whose
    // file the set puts, the files (each once, in the locale's order) and
    // a "<path>は見つかりません。" line for each linked file it cannot
    // put: missing, a directory, a device, one of the install's own names,
    // or a name with a folder in it (it would leave the folder).
    const FontLinkTable& Links() const { return links_; }
    const FontLinks& LinksPut() const { return linksPut_; }
    const std::vector<File>& Files() const { return files_; }
    const StringList& Missing() const { return missing_; }

    bool HashesWanted() const { return hashesWanted_; }
    // The bytes of a file of the set, their hash remembered when hashes
    // are wanted; false when it cannot be read.
    bool ReadBytes(const std::string& name, std::string& bytes);
    // The hash of a file's bytes, read now unless read before; false when
    // it cannot be read.
    bool Hash(const std::string& name, uint64_t& hash);

private:
    std::string folder_;
    bool hashesWanted_;
    bool holdsSet_ = false, hasInfoFile_ = false;
    FontLinks allLinks_;
    FontLinkTable links_;
    FontLinks linksPut_;
    std::vector<File> files_;
    StringList missing_;
    std::map<std::string, uint64_t> hashes_;  // by name in capitals
};

// The companion's name of a set file's.
std::string CompanionOf(const std::string& name);
