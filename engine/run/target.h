// The target folder: where an acquire writes and an install reads. Named
// on the command line, by the settings beside the program, or in the main
// window; a relative name lies below the program's folder. A value, made
// whole by TargetNamed and never changed afterwards.
#pragma once

#include <string>

class Target {
public:
    // The name as given, with its trailing backslash; empty: the program's
    // folder.
    const std::string& Name() const { return name_; }
    // The full path, with a trailing backslash: the name below the
    // program's folder, or the name itself when it is absolute.
    const std::string& Folder() const { return folder_; }
    // The folder existed when the target was named: a folder named at
    // start-up is then the main window's only choice.
    bool Existed() const { return existed_; }
    // The name was the absolute path of a folder that existed (D:\eudc\,
    // \\server\share\).
    bool Absolute() const { return absolute_; }

private:
    friend Target TargetNamed(const std::string& programFolder, const std::string& name);
    Target() = default;

    std::string name_;
    std::string folder_;
    bool existed_ = false;
    bool absolute_ = false;
};

// The target a name (with its trailing backslash) gives, relative names
// below programFolder. A share and the root of a stick name their folder by
// themselves; an absolute folder not there yet is still the one named,
// never put below the program's folder.
Target TargetNamed(const std::string& programFolder, const std::string& name);
