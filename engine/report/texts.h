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
extern const char* const kUnknownSwitch;  // %s the argument; the usage text follows

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
extern const char* const kFailedAtLine;       // %s the file or folder
extern const char* const kFailureReasonLine;  // %s the code's text, %s the code as the log names it
extern const char* const kLatestInstalled;
extern const char* const kRegistryFailed;
extern const char* const kNoLinkFont;
extern const char* const kInstallCancelled;
extern const char* const kInfoIncomplete;
extern const char* const kInfoMissing;
extern const char* const kNoSourceFiles;
// After kNoSourceFiles, why (%s the folder, or its drive or share)
extern const char* const kFolderNotThere;
extern const char* const kFolderUnreachable;  // kFailureReasonLine follows
extern const char* const kFolderHoldsNoSet;
extern const char* const kLinkSkipped;  // %s face, %s file
extern const char* const kEmptyLinkLine;  // %s face
extern const char* const kFolderUnspelled;  // %s folder, "?" for what Shift-JIS lacks
extern const char* const kInstallBusy;
extern const char* const kNotRestoredLine;  // %s installed file, %s its saved copy
extern const char* const kSetAsideLine;     // %s staging folder, %s where it was kept
extern const char* const kFolderTooLong;    // %s the user data folder
extern const char* const kFaceNotAcquired;  // %s face
// A font's line: kCharactersOfFont (%s font), then the counts that are
// not 0 joined by kPartJoint, each %d count and %s its first codes; the
// question's (what an install would do), or a finished install's.
extern const char* const kCharactersOfFont;
extern const char* const kPartJoint;
extern const char* const kWouldLose;
extern const char* const kWouldChange;
extern const char* const kWouldAdd;
extern const char* const kLost;
extern const char* const kChanged;
extern const char* const kAdded;
extern const char* const kBackupBeforeQuestion;  // %s the backup folder
extern const char* const kMoreLines;             // %d lines a box leaves out
// A font replaced by a file that is no font (what an install would do, or
// a finished install's): %s path, %d count, %s codes
extern const char* const kNoFontReplacesLine;
extern const char* const kNoFontReplacedLine;
extern const char* const kCharactersKept;       // /keep: the install that would lose or change some
extern const char* const kAcquiredCharacters;   // %s font, %d count
extern const char* const kUnexpectedFailure;    // a run ended by something unforeseen: what
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
extern const char* const kVerifyMend;            // %s the set's folder: the command that mends it
extern const char* const kVerifyMendOtherBytes;  // when a file has other bytes

// Each line after a CR of its own, as the engine's reports are joined.
std::string CrLines(const std::vector<std::string>& lines);
// A list as a box shows it, so that the box stays on a small screen: whole
// up to kLinesShownWhole lines; past that its first kLinesShownHead and a
// line that counts the rest (the run log keeps every line).
constexpr size_t kLinesShownWhole = 8;
constexpr size_t kLinesShownHead = 5;
std::vector<std::string> ShownLines(const std::vector<std::string>& lines);
// CrLines of ShownLines.
std::string ShownCrLines(const std::vector<std::string>& lines);

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
