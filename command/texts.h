// The program's texts: every message, question and caption in one table.
// Literals are compiled to Shift-JIS, the A functions' code page.
#pragma once

#include <initializer_list>
#include <string>

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
