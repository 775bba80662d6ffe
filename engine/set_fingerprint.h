// A set's fingerprint: one value, the same on every PC for the same set,
// that tells an administrator from the run log which set each PC has.
#pragma once

#include <cstdint>
#include <map>
#include <string>

// The files of a set folder, each read at most once: the verify compares
// their bytes and the fingerprint hashes them.
class SetFiles {
public:
    explicit SetFiles(const std::string& folder) : folder_(folder) {}

    const std::string& Folder() const { return folder_; }
    // The bytes of a file of the set, remembered for its hash; false when
    // it cannot be read.
    bool Read(const std::string& name, std::string& bytes);
    // The hash of a file's bytes, read now unless read before; false when
    // it cannot be read.
    bool Hash(const std::string& name, uint64_t& hash);

private:
    std::string folder_;
    std::map<std::string, uint64_t> hashes_;  // by name in capitals
};

// 16 hexadecimal digits over the set's links, all of them as its EUDC.INI
// lists them (whatever faces this PC has), and the bytes of each file they
// name and its companion, in the order of their names. Empty for a folder
// that holds no set.
std::string SetFingerprint(SetFiles& files);
