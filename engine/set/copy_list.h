// The files of one shell copy: the NUL-separated lists the shell takes, and
// the check afterwards that every file arrived whole (the shell can report
// success for a file it did not write).
#pragma once

#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/shell.h"

class CopyList {
public:
    struct Item {
        std::string source;
        std::string destination;  // the file's path after the copy
    };

    // False, and nothing added, when an item has this destination already
    // (letter case ignored, as the file system compares names): a second
    // copy to one place would overwrite the first.
    bool Add(const std::string& source, const std::string& destination);
    bool HoldsDestination(const std::string& destination) const;
    bool Empty() const { return items_.empty(); }
    const std::vector<Item>& Items() const { return items_; }

    // The item that copies source (a full path, letter case ignored as the
    // file system compares names); nullptr when none does.
    const Item* FindSource(const std::string& source) const;
    // One shell copy of every item to its own destination (a renamed file
    // arrives under its new name), files only, asking nothing; a long copy
    // shows the system's progress dialog under progressTitle.
    platform::ShellCopyRequest ShellRequest(const std::string& progressTitle) const;
    // Every destination exists with its source's size.
    bool AllArrived() const;
    // The first item whose destination is missing or short; nullptr when all arrived.
    const Item* FirstNotArrived() const;

private:
    // Each path followed by a NUL, then one more NUL.
    std::string SourceText() const;
    std::string DestinationText() const;

    std::vector<Item> items_;
    // Paths in capitals, as the file system compares names: a set of
    // thousands of links looks each up once.
    std::unordered_set<std::string> destinations_;
    std::unordered_map<std::string, size_t> sources_;  // the first item of each
};
