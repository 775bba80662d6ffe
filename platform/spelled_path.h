// Paths the system gives in UTF-16 (the NT family), spelled for the A
// functions. The program speaks Shift-JIS, and a folder named with a
// character outside it (𠮷 in 𠮷野) reaches the A functions as a path of "?"
// that does not exist; its short (8.3) name is plain ASCII and names the
// same folder.
//
// On failure: where no spelling exists the path comes back marked, never
// dropped; paths::IsSpelled tells it apart.
#pragma once

#include <string>
#include <vector>

#include "platform/files.h"

namespace platform {

// Stands in a spelled path for each character the code page lacks where no
// short name spells it: a control character, which no file name may hold,
// so such a path names nothing and nothing is ever made there.
constexpr char kUnspelledChar = '\x1A';
// The path in the ANSI code page: converted when every character has its
// counterpart; otherwise the short (8.3) form of its longest existing part
// followed by the rest, when both convert (a folder not there yet below
// one that is); otherwise converted with kUnspelledChar for each character
// without counterpart (8.3 names are off on that volume, or the unspellable
// part does not exist).
std::string SpellPath(const std::wstring& path);

// The entries of folder (a path for the A functions, ending in a
// backslash), each name spelled for the A functions as SpellPath spells
// it: on the NT family read in UTF-16 and converted, or the entry's short
// (8.3) name, or marked with kUnspelledChar where it has none; on 98 and Me
// (whose names are all in the code page) as FindFirstFileA gives them.
// Empty when the folder cannot be read.
std::vector<FolderEntry> ListFolderSpelled(const std::string& folder);

}  // namespace platform
