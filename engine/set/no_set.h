// Why a set folder gives no set to read, for the message of result 9: the
// fixed text the first release showed, then a line that says which, so
// that the user knows where to look next.
#pragma once

#include <string>

#include "engine/paths/string_list.h"

// The fixed text, then: the folder is not there; it, or the share or
// drive it lies on, cannot be reached (with Windows' reason); it holds
// neither EUDC.INI nor EUDC.TTE; or, for a set whose files are all
// missing, the line of each (missing, from the set as read).
std::string NoSetMessage(const std::string& folder, const StringList& missing = StringList());
