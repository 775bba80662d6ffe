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
    std::string text;
    long long number = 0;
    bool isText = false;
};

// Fills "%s", "%d" and "%x" in order; "%x" gives upper-case hexadecimal
// digits without prefix or leading zeros, "%%" a percent sign.
std::string Format(const char* pattern, std::initializer_list<FormatArg> args);

}  // namespace texts

// Main window.
namespace texts {

extern const char* const kMainCaption;
extern const char* const kMainFontFace;
extern const char* const kLinkFontFace;
extern const char* const kIntroduction;
extern const char* const kSupportAddress;
extern const char* const kSupportHint;
extern const char* const kWidenCaption;   // the narrow layout's toggle
extern const char* const kNarrowCaption;  // the wide layout's toggle
extern const char* const kOptionsHint;
extern const char* const kOperationGroup;
extern const char* const kAcquireCaption;
extern const char* const kInstallCaption;
extern const char* const kFolderLabel;
extern const char* const kFolderHint;
extern const char* const kNewFolderCaption;
extern const char* const kNewFolderHint;
extern const char* const kCodeTableButtonCaption;
extern const char* const kCodeTableButtonHint;
extern const char* const kRunCaption;
extern const char* const kEndCaption;
extern const char* const kNoOverwriteQuestionCaption;
extern const char* const kCopyEufCaption;
extern const char* const kOnlyNewerCaption;
extern const char* const kEudcOnCaption;
extern const char* const kEudcOffCaption;
extern const char* const kEudcButtonHint;
extern const char* const kCommandHelpCaption;
extern const char* const kCommandHelpHint;
extern const char* const kRegistryButtonCaption;
extern const char* const kRegistryButtonHint;
extern const char* const kOsLine;  // %d major, %d minor
extern const char* const kInstallFolderLine;
extern const char* const kFolderMissing;  // %s folder name

// Folder list and new-folder dialog.
extern const char* const kDefaultFolder;
extern const char* const kNewFolderDialogCaption;
extern const char* const kOkCaption;
extern const char* const kCancelCaption;
extern const char* const kNewFolderPurpose;
extern const char* const kNewFolderPrompt;
extern const char* const kFolderNotAllowed;    // %s the refused name
extern const char* const kFolderExists;        // %s path
extern const char* const kFolderCreated;       // %s path
extern const char* const kFolderCreateFailed;  // %s path

// Registry information window.
extern const char* const kRegistryWindowCaption;
extern const char* const kRegistryFontFace;
extern const char* const kRegistryPlaceholder;  // the text box's text until the links are shown

}  // namespace texts

// Code table.
namespace texts {
extern const char* const kCodeTableCaption;
extern const char* const kGlyphPopupCaption;
extern const char* const kFaceMincho;   // the code table's first face
extern const char* const kFacePGothic;  // the code table's and popup's own font
extern const char* const kCodeSystemSjis;
extern const char* const kCodeSystemUnicode;
extern const char* const kColumnHeaderFormat;  // %x: digit, or Unicode row
extern const char* const kRowHeaderFormat;     // %x%x: lead byte, first trail byte
extern const char* const kCodeLabel;           // status panel 1, before a code
extern const char* const kCodeSjisFormat;      // %x%x: the two bytes
extern const char* const kCodeUnicodeFormat;   // %x: the code point
extern const char* const kCodeNone;            // a position without character
extern const char* const kFileLabel;           // status panel 0, before the path
}  // namespace texts
