// The windows' texts: captions, hints and the messages only a window shows.
// Literals are compiled to Shift-JIS, as the engine's texts are.
#pragma once

// Main window.
namespace texts {

extern const char* const kMainCaption;
extern const char* const kMainFontFace;
extern const char* const kLinkFontFace;
extern const char* const kIntroductionPhrases[];  // ends with nullptr
extern const char* const kReadmeFile;  // beside the program
extern const char* const kReadmeLinkCaption;
extern const char* const kReadmeHint;
extern const char* const kMainWindowFailed;  // window mode without its window; the reason follows
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
extern const char* const kCandidateCaption;
extern const char* const kCandidateProgress;  // %d glyphs done, %d in all
extern const char* const kCandidateCodeFormat;  // %s the Shift-JIS code, %x the code point
extern const char* const kCandidateCounts;      // %d decided, %d left
extern const char* const kCandidateUndecided;
extern const char* const kCandidateDecided;  // %s the decision as the map writes it
extern const char* const kCandidateDecidedNone;
extern const char* const kCandidateBadCode;  // %s what was typed
extern const char* const kCandidateAllDecided;
extern const char* const kCandidateKeys;
extern const char* const kCandidateNoTwin;
// The verdict on the first candidate: same, check, none.
extern const char* const kCandidateVerdictSame;
extern const char* const kCandidateVerdictCheck;
extern const char* const kCandidateVerdictNone;
extern const char* const kCandidateCopy;
extern const char* const kCandidateSaveMap;
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
extern const char* const kCharacterCountFormat;  // status panel 2: %d characters in the linked file
}  // namespace texts
