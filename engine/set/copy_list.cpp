#include "engine/set/copy_list.h"

#include "platform/files.h"
#include "platform/text.h"

bool CopyList::HoldsDestination(const std::string& destination) const {
    return destinations_.count(platform::UpperCaseText(destination)) != 0;
}

const CopyList::Item* CopyList::FindSource(const std::string& source) const {
    const auto found = sources_.find(platform::UpperCaseText(source));
    return found == sources_.end() ? nullptr : &items_[found->second];
}

bool CopyList::Add(const std::string& source, const std::string& destination) {
    if (!destinations_.insert(platform::UpperCaseText(destination)).second) return false;
    // The first item of a source is the one FindSource gives.
    sources_.emplace(platform::UpperCaseText(source), items_.size());
    items_.push_back({source, destination});
    return true;
}

std::string CopyList::SourceText() const {
    std::string text;
    for (const Item& item : items_) {
        text += item.source;
        text += '\0';
    }
    return text + '\0';
}

std::string CopyList::DestinationText() const {
    std::string text;
    for (const Item& item : items_) {
        text += item.destination;
        text += '\0';
    }
    return text + '\0';
}

platform::ShellCopyRequest CopyList::ShellRequest(const std::string& progressTitle) const {
    platform::ShellCopyRequest request;
    request.sources = SourceText();
    request.destinations = DestinationText();
    request.flags = FOF_MULTIDESTFILES | FOF_NOCONFIRMATION | FOF_FILESONLY;
    request.progressTitle = progressTitle;
    return request;
}

bool CopyList::AllArrived() const { return FirstNotArrived() == nullptr; }

const CopyList::Item* CopyList::FirstNotArrived() const {
    for (const Item& item : items_) {
        unsigned long long from = 0, to = 0;
        if (!platform::FileSize(item.source, from) || !platform::FileSize(item.destination, to) ||
            from != to)
            return &item;
    }
    return nullptr;
}
