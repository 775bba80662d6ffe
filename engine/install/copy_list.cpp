#include "engine/install/copy_list.h"

#include "platform/files.h"
#include "platform/text.h"

bool CopyList::HoldsDestination(const std::string& destination) const {
    const std::string wanted = platform::UpperCaseText(destination);
    for (const Item& item : items_)
        if (platform::UpperCaseText(item.destination) == wanted) return true;
    return false;
}

bool CopyList::Add(const std::string& source, const std::string& destination) {
    if (HoldsDestination(destination)) return false;
    items_.push_back({source, destination});
    sources_ += source;
    sources_ += '\0';
    return true;
}

bool CopyList::SourcesContain(const std::string& text) const {
    return sources_.find(text) != std::string::npos;
}

std::string CopyList::SourceText() const { return sources_ + '\0'; }

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

bool CopyList::AllArrived() const {
    for (const Item& item : items_) {
        unsigned long long from = 0, to = 0;
        if (!platform::FileSize(item.source, from) || !platform::FileSize(item.destination, to) ||
            from != to)
            return false;
    }
    return true;
}
