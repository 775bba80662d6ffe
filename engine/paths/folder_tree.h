// Creating a folder together with its missing parents.
#pragma once

#include <string>

#include "platform/outcome.h"

// Creates the folder and every missing parent; success when it exists
// afterwards, else why the first folder that could not be made was not. A drive root (D:\) or a share (\\server\share\) is only found,
// never created. Folder names are cut at backslashes that are characters of
// their own: "表" or "ソ" end in the byte 0x5C.
platform::Outcome CreateFolderTree(const std::string& path);
