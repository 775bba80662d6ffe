// What the run was asked to do, and how: from the settings beside the
// program, the command line, a chosen folder's settings, or the main window.
#pragma once

#include <cstdint>
#include <string>

// The command line's true and false.
enum class EudcSwitch : uint8_t { kNone = 0, kOn = 1, kOff = 2 };

struct Options {
    EudcSwitch eudcSwitch = EudcSwitch::kNone;  // true, false
    bool installRequested = false;              // /p, or AutoRun
    bool acquireRequested = false;              // /g
    bool helpRequested = false;                 // /h and its other forms
    bool autoRun = false;                       // AutoRun=1 beside the program
    bool onlyNewer = false;       // /d, CheckDate: install only files newer than the installed ones
    bool copyCompanions = true;   // /et, /ef, CopyEUF: the *.euf beside each font file too
    bool confirm = true;          // ask before overwriting or replacing; /f and /s clear it
    bool silent = false;          // /s, Silet: show no messages
    bool keepCharacters = false;  // /keep: install nothing that loses or changes a character
    bool undoRequested = false;   // /undo: install the newest backup
    bool verifyRequested = false; // /v: does this PC have the target's set
    bool removeRequested = false; // /remove: take the target's set off this PC
    std::string logFile;          // /log:, LogFile: the run log; empty: none
    std::string unknownSwitch;    // the first argument that starts as a switch and is none
    bool mapRequested = false;    // /map: the standard twins of the EUDC characters
    std::string referenceFont;    // /ref: the font /map compares with; empty: the installed one
    bool convertRequested = false;  // /convert: EUDC in data files replaced by the map's decisions
    bool convertScan = false;       // /scan: only find where each EUDC character is used
    bool convertBack = false;       // /back: put the EUDC characters back into converted files
    std::string mapFile;            // /map: the decisions; empty: this PC's map in the user data folder
    std::string outputFolder;       // /out: where converted files go; empty: beside the source
    std::string convertSource;      // the last argument that is no switch, as typed

    // The window's runs: someone is there to answer, so a set's Silet
    // (which an acquire with /s writes) silences neither questions nor
    // outcomes; silent stays what the set says, for an acquire to keep.
    bool inWindow = false;

    // Whether the operations may ask their questions: not when told not to
    // (/f), nor in a silent run, whose questions nobody would answer.
    bool Asks() const { return confirm && !Quiet(); }
    // Whether outcomes go untold: /s or Silet, outside the window.
    bool Quiet() const { return silent && !inWindow; }
};
