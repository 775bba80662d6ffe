// Font links: which EUDC font file serves which face. The per-user table
// HKEY_CURRENT_USER\EUDC\932 holds them as value name (a face, or
// SystemDefaultEUDCFont for every face without its own) and path; EUDC.INI
// holds them as face and bare file name.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "engine/report/failure.h"
#include "engine/paths/folders.h"
#include "engine/report/result.h"
#include "engine/paths/string_list.h"
#include "platform/outcome.h"

struct FontLink {
    std::string face;  // a face name, or SystemDefaultEUDCFont
    std::string file;  // the EUDC font file: a path, or a bare name in EUDC.INI
};
using FontLinks = std::vector<FontLink>;

// A link table as last read.
struct FontLinkTable {
    FontLinks links;  // in the order the registry or the file gives them
    // Every linked file is a standard EUDC file (.TTE). When not, the
    // acquire and the install ask first whether to go on.
    bool standard = true;
    // Why a key that is there could not be read (denied, say): links is
    // then empty, and means nothing. A missing key is an empty table read.
    platform::Outcome read;
};

// A standard EUDC font file: the extension .TTE, in any letter case.
bool IsStandardEudcFile(const std::string& path);

// Whether an EUDC.INI file name can be installed into the user data folder
// and linked: a bare name (nothing outside the two folders), no device, and
// none of the names the install keeps for itself.
bool IsInstallableName(const std::string& name);

// The registry's table; "%SystemRoot%\" (the first, any case) stands for
// windowsFolder. A value whose data is not text is no link, nor is the
// unnamed default value; a missing key is an empty table, a key that cannot
// be opened for reading a failed one (read).
FontLinkTable ReadFontLinks(const std::string& windowsFolder);

// The registry's table as it stores it: "%SystemRoot%" and bare names as
// they are, for a backup to write back.
FontLinks ReadStoredFontLinks();
// The file Windows opens for a link value, however it is spelled, as one
// full path: "%SystemRoot%" and "%windir%" expanded, "/" read as "\", a
// path from the root ("\windows\...") on the windows folder's drive, a
// bare name or other relative path in the fonts folder, "." and ".."
// folded. Every reader of a link's file goes through it, so that one file
// is one path. Empty for an empty value and for a device (CON, NUL.TTE,
// COM1, "\\.\..."), which is never to be opened.
std::string LinkedFilePath(const std::string& stored, const Folders& folders);
// Writes each link's value as it is given (faces as the registry names
// them), and removes the value of a link whose file is empty; then reads
// the registry's table into table. kRegistryRefused as WriteFontLinks.
Result WriteStoredFontLinks(const FontLinks& links, const Folders& folders, FontLinkTable& table, Failure& failure);

// Writes links (of an EUDC.INI) into the registry, each pointing into the
// user data folder, then reads the registry's table into table. A link
// whose file is not in the user data folder is not written but gets a line
// in unlinked. Before Windows 2000 "MS PGothic" is written under its
// Japanese name. Other values of the key stay. kRegistryRefused when the
// key cannot be made or a value not written, with the registry's error in
// failure; the writing stops there.
Result WriteFontLinks(const FontLinks& links, const Folders& folders, FontLinkTable& table,
                      StringList& unlinked, Failure& failure);

// The name a face's link has in the registry of this Windows: 98 to NT 4.0
// give the PGothic its Japanese name.
std::string RegistryFaceName(const std::string& face, DWORD majorVersion);
// The file linked to face (letter case ignored), or else the default
// link's; empty when there is neither. From Windows 2000 on the Japanese
// PGothic is looked up under its later name.
std::string FindLinkedFile(const FontLinkTable& table, const std::string& face, DWORD majorVersion);

// The table as "face = file" lines, each ended by CR LF.
std::string FontLinkText(const FontLinkTable& table);
