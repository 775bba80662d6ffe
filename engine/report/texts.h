// The program's texts: every message, question and caption in one table.
// Literals are compiled to Shift-JIS, the A functions' code page.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace texts {

// Start-up and run parameters.
extern const char* const kRefuseLocation;
extern const char* const kEudcSwitched;  // %s: kStateOn or kStateOff
extern const char* const kStateOn;
extern const char* const kStateOff;
extern const char* const kUsageLines[];  // ends with nullptr
extern const char* const kCopyright;

// Acquire and install.
extern const char* const kAcquireFailed;
extern const char* const kAcquireCancelled;
extern const char* const kNoSystemEudc;
extern const char* const kAcquireClosing;
extern const char* const kAcquiredLine;   // appended to a path
extern const char* const kNotFoundLine;   // appended to a path
extern const char* const kInstalledLine;  // appended to a path
extern const char* const kOverwriteQuestion;
extern const char* const kReplaceQuestion;
extern const char* const kNonStandardQuestion;  // %s operation, %s where, %s operation
extern const char* const kOperationAcquire;
extern const char* const kOperationInstall;
extern const char* const kOnOtherMachines;
extern const char* const kAcquireProgressTitle;
extern const char* const kInstallProgressTitle;
extern const char* const kInstallFailed;
extern const char* const kInstallFailedCheckSource;
extern const char* const kInstallFailedUserFolder;  // NT family
extern const char* const kInstallFailedPleaseCheck;  // other platforms
extern const char* const kLatestInstalled;
extern const char* const kRegistryFailed;
extern const char* const kNoLinkFont;
extern const char* const kInstallCancelled;
extern const char* const kInfoIncomplete;
extern const char* const kInfoMissing;
extern const char* const kNoSourceFiles;
extern const char* const kLinkSkipped;  // %s face, %s file
extern const char* const kEmptyLinkLine;  // %s face
extern const char* const kFolderUnspelled;  // %s folder, "?" for what Shift-JIS lacks
extern const char* const kInstallBusy;
extern const char* const kNotRestoredLine;  // %s installed file, %s its saved copy
extern const char* const kSetAsideLine;     // %s staging folder, %s where it was kept
extern const char* const kFolderTooLong;    // %s the user data folder
extern const char* const kFaceNotAcquired;  // %s face
// %s font, then for the characters lost, changed and added each %d count
// and %s their first codes
extern const char* const kCharacterChangesLine;
extern const char* const kCharactersKept;       // /keep: the install that would lose or change some
extern const char* const kAcquiredCharacters;   // %s font, %d count
extern const char* const kNoBackup;             // /undo without a backup
extern const char* const kNothingChanged;       // an install that copied nothing and changed no link
// /remove: the outcome (%s the set's folder), then a line for each change
extern const char* const kRemoved;
extern const char* const kNothingToRemove;
extern const char* const kRemoveFailed;
extern const char* const kRemoveLinkRestored;  // %s face, %s the file it links again
extern const char* const kRemoveLinkDeleted;   // %s face
extern const char* const kRemoveFileKept;      // %s file, %s the backup it went to
// /v: the verdict (%s the set's folder), then a line for each difference
extern const char* const kVerifyHasSet;
extern const char* const kVerifyLacksSet;
extern const char* const kVerifyMissingFile;  // %s installed path
extern const char* const kVerifyOtherBytes;   // %s installed path, %s the set's file
extern const char* const kVerifyNoLink;       // %s face, %s the file it should link
extern const char* const kVerifyOtherLink;    // %s face, %s what it links, %s the file it should link

// Each line after a CR of its own, as the engine's reports are joined.
std::string CrLines(const std::vector<std::string>& lines);

// One argument of Format: a text or a number.
struct FormatArg {
    FormatArg(const char* t) : text(t), isText(true) {}
    FormatArg(const std::string& t) : text(t), isText(true) {}
    FormatArg(long long n) : number(n) {}
    FormatArg(int n) : number(n) {}
    FormatArg(unsigned n) : number(n) {}
    FormatArg(unsigned long n) : number(static_cast<long long>(n)) {}
    FormatArg(unsigned long long n) : number(static_cast<long long>(n)) {}
    std::string text;
    long long number = 0;
    bool isText = false;
};

// Fills "%s", "%d" and "%x" in order; "%x" gives upper-case hexadecimal
// digits without prefix or leading zeros, "%%" a percent sign.
std::string Format(const char* pattern, std::initializer_list<FormatArg> args);

}  // namespace texts
