// A list of texts in the ANSI code page.
#pragma once

#include <string>
#include <vector>

using StringList = std::vector<std::string>;
