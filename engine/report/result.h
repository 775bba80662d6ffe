// The outcome of an acquire or an install. Its number is the exit code of
// command mode, which administrators' scripts test: the numbers never
// change.
#pragma once

#include <cstdint>

enum class Result : uint8_t {
    kOk = 0,
    kAcquireFailed = 1,        // the acquire's copy failed or was aborted
    kInstallFailed = 2,        // the install's copy failed, or another install ran
    kInstalledIsNewer = 3,     // /d: no file is newer than the installed one
    kRegistryRefused = 4,      // the font-link key cannot be written
    kNoLinkedFaceHere = 5,     // no face of the folder's link table is installed here
    kCancelled = 6,            // the user answered No
    kNoLinkTable = 7,          // EUDC.INI has no link table ([EUDC932])
    kNoInfoFile = 8,           // no EUDC.INI, and a default one cannot be written
    kNoFilesToInstall = 9,     // neither EUDC.INI nor EUDC.TTE, or none of the files exists
    kNoEudcOnThisMachine = 10, // the link table names no file that exists
    kNoUserDataFolder = 11,    // the user data folder cannot be made
    kCharactersKept = 12,      // /keep: the install would lose or change a character
    kSetNotInstalled = 13,     // /v: this PC lacks the set, or part of it
    kUnknownSwitch = 14,       // an argument starts as a switch and is none: nothing ran
    kNoReferenceFont = 15,     // /map: no reference font to compare with, or the map not written
    kCharactersLeft = 16,      // /convert: some EUDC characters (or files) were left as they were
    kMapUnreadable = 17,       // /convert: the map is missing or cannot be read: nothing converted
    kSourceUnreadable = 18,    // /convert: no source (or, for /back, no readable record): nothing written
    kOutputRefused = 19,       // /convert: the output folder is inside the source, holds the files, or cannot be made
};

inline int ExitCode(Result result) { return static_cast<int>(result); }
