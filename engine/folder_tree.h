// Creating a folder together with its missing parents.
#pragma once

#include <string>

// Creates the folder and every missing parent; true when it exists
// afterwards. A drive root (D:\) or a share (\\server\share\) is only found,
// never created. Folder names are cut at backslashes that are characters of
// their own: "表" or "ソ" end in the byte 0x5C.
bool CreateFolderTree(const std::string& path);
