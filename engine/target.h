// The target folder: where an acquire writes and an install reads. Named
// on the command line, by the settings beside the program, or in the main
// window; relative names lie below the program's folder.
#pragma once

#include <string>

class Target {
public:
    explicit Target(const std::string& programFolder) : programFolder_(programFolder) {}

    // Takes name (with its trailing backslash) as the target. A folder that
    // exists is the target for good (valid); otherwise the name is kept and
    // Resolve makes the folder from it.
    void Set(const std::string& name);
    // Makes folder final: a target not valid is the program's folder joined
    // with the name, or the name itself when it is absolute. Every
    // operation that uses folder calls it first.
    void Resolve();

    std::string name;       // as given, with a trailing backslash; empty: the program's folder
    std::string folder;     // the full path, with a trailing backslash
    bool valid = false;     // folder named an existing folder when Set set it
    bool absolute = false;  // set with valid: name was an absolute path

private:
    std::string programFolder_;
};
