// EUDC.INI, the information file that travels with the font files: the
// program's settings ([MINAMO]) and the link table ([EUDC932]). Read and
// written only through the system's profile functions, always with full
// paths.
#pragma once

#include <functional>
#include <string>

#include "engine/links/font_links.h"
#include "engine/links/options.h"
#include "engine/report/result.h"
#include "platform/outcome.h"

namespace info_file {
constexpr const char* kFileName = "EUDC.INI";
constexpr const char* kSettingsSection = "MINAMO";
constexpr const char* kLinkSection = "EUDC932";
// The keys of [MINAMO], in the order a new file holds them; LogFile only
// beside the program.
constexpr const char* kAutoRunKey = "AutoRun";
constexpr const char* kCopyEufKey = "CopyEUF";
constexpr const char* kCheckDateKey = "CheckDate";
// Silent mode. The file format spells the key so, and every EUDC.INI out
// there with it.
constexpr const char* kSilentKey = "Silet";
constexpr const char* kTargetFolderKey = "TargetFolder";
constexpr const char* kLogFileKey = "LogFile";

constexpr const char* kDefaultFontFile = "EUDC.TTE";
constexpr const char* kDefaultLinkName = "SystemDefaultEUDCFont";
// The face whose name differs by system: "ＭＳ Ｐゴシック" before Windows
// 2000, "MS PGothic" from then on.
constexpr const char* kPGothic = "MS PGothic";
constexpr const char* kPGothicJapanese = "ＭＳ Ｐゴシック";
// The companion file that travels with each EUDC font file.
constexpr const char* kCompanionExtension = ".euf";
}  // namespace info_file

// Whether EUDC.INI can hold face as a key that reads back as itself: not
// empty, not opening with "[" (a section) or ";" (a comment), without "="
// or a line break, and without blanks at either end (the profile reader
// trims them).
bool CanHoldFace(const std::string& face);

// Whether a path names a companion file (.euf, any letter case).
bool IsCompanionFile(const std::string& path);

// Whether folder holds EUDC data to install: an EUDC.INI, or at least an
// EUDC.TTE for which a default one can be written.
bool HoldsEudcData(const std::string& folder);

// Writes folder's EUDC.INI after an acquire: [MINAMO] with AutoRun=0,
// CopyEUF, CheckDate and Silet from options and an empty TargetFolder, then
// [EUDC932] anew with the links, each file named as it arrived in folder.
// A failure when a write was refused.
platform::Outcome WriteInfoFile(const std::string& folder, const Options& options, const FontLinks& links);
// A minimal EUDC.INI for a folder that holds only EUDC.TTE: default
// settings and the one link of SystemDefaultEUDCFont. A failure when the
// folder is missing or a write was refused.
platform::Outcome WriteDefaultInfoFile(const std::string& folder);
// Every link of folder's [EUDC932] as written, in file order, whatever
// faces this machine has (each key with the value the system's reader
// gives it); empty when the file or the section is missing.
FontLinks ReadLinkSection(const std::string& folder);

// The face as EUDC.INI is read and the install writes it: the Japanese
// PGothic under its later name, every other face as it is.
std::string InstalledFaceName(const std::string& face);

// SystemDefaultEUDCFont and MS PGothic, linked whether or not a font of
// the name is installed.
bool IsFixedFace(const std::string& face);
// A question about a link.
using LinkTest = std::function<bool(const FontLink& link)>;

// The links of a table as written (ReadLinkSection) that this machine
// links, into table: those whose faces are installed here (and the fixed
// names), "ＭＳ Ｐゴシック" as "MS PGothic". kNoLinkTable when written is
// empty, kNoLinkedFaceHere when no face is installed here; table is then of
// no use. When takenAsInstalled accepts every link but those of the fixed
// names, all are kept without asking the system for its fonts; when it
// refuses one, the system decides for all.
Result LinksHere(const FontLinks& written, FontLinkTable& table,
                 const LinkTest& takenAsInstalled = LinkTest());
// LinksHere of folder's [EUDC932].
Result ReadInfoFile(const std::string& folder, FontLinkTable& table,
                    const LinkTest& takenAsInstalled = LinkTest());
