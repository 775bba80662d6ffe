#include "engine/paths/sorted_names.h"

#include <algorithm>

#include "platform/text.h"

namespace {
bool SameIgnoringCase(const std::string& a, const std::string& b) {
    return platform::CompareTextIgnoreCase(a, b) == 0;
}
}  // namespace

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return platform::CompareTextIgnoreCase(a, b) < 0;
}

void SortIgnoringCase(StringList& names) { std::stable_sort(names.begin(), names.end(), LessIgnoringCase); }

StringList DistinctIgnoringCase(const StringList& names) {
    StringList distinct = names;
    SortIgnoringCase(distinct);
    distinct.erase(std::unique(distinct.begin(), distinct.end(), SameIgnoringCase), distinct.end());
    return distinct;
}

bool SortedContains(const StringList& sorted, const std::string& name) {
    auto at = std::lower_bound(sorted.begin(), sorted.end(), name, LessIgnoringCase);
    return at != sorted.end() && SameIgnoringCase(*at, name);
}
