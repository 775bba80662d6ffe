// Names in the order of the user's locale, letter case ignored
// (CompareStringA, NORM_IGNORECASE): folder lists, font lists and the
// files of an install.
#pragma once

#include <string>

#include "engine/paths/string_list.h"

bool LessIgnoringCase(const std::string& a, const std::string& b);
// Sorts names; names equal but for letter case keep their order.
void SortIgnoringCase(StringList& names);
// The names sorted, each once, in the letter case of its first occurrence.
StringList DistinctIgnoringCase(const StringList& names);
// Whether a list sorted by SortIgnoringCase holds name, letter case ignored.
bool SortedContains(const StringList& sorted, const std::string& name);
