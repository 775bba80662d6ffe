// A set's fingerprint: one value, the same on every PC for the same set,
// that tells an administrator from the run log which set each PC has.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>

#include "engine/links/font_links.h"

// The files of a set folder, each read at most once: the verify compares
// their bytes and the fingerprint hashes them.
class SetFiles {
public:
    // hashesWanted: whether the bytes read are hashed for a fingerprint to
    // come; hashing a 60 MB set costs more than comparing it.
    explicit SetFiles(const std::string& folder, bool hashesWanted = true)
        : folder_(folder), hashesWanted_(hashesWanted) {}

    const std::string& Folder() const { return folder_; }
    bool HashesWanted() const { return hashesWanted_; }
    // The bytes of a file of the set, their hash remembered when hashes
    // are wanted; false when it cannot be read.
    bool Read(const std::string& name, std::string& bytes);
    // The hash of a file's bytes, read now unless read before; false when
    // it cannot be read.
    bool Hash(const std::string& name, uint64_t& hash);

private:
    std::string folder_;
    bool hashesWanted_;
    std::map<std::string, uint64_t> hashes_;  // by name in capitals
};

// 16 hexadecimal digits over the set's links, all of them as its EUDC.INI
// lists them (whatever faces this PC has), and the bytes of each file they
// name and its companion, in the order of their names. Empty for a folder
// that holds no set.
std::string SetFingerprint(SetFiles& files);

// The hash of a file of the links by its bare name; false when it cannot
// be read.
using NamedFileHash = std::function<bool(const std::string& name, uint64_t& hash)>;
// The fingerprint of links (face, bare file name) and the files they name:
// the links in the order of their faces, the Japanese PGothic under its
// later name, so that a set and a PC's table that link the same files give
// one value whichever Windows wrote them.
std::string LinksFingerprint(const FontLinks& links, const NamedFileHash& hash);
