// Where an acquire or an install stopped, and what Windows said: the run
// log tells an administrator why a PC failed, not only that it did.
#pragma once

#include <string>

#include "platform/outcome.h"

struct Failure {
    // The step that failed; empty while nothing has.
    std::string step;
    // The Windows error code; 0 when the step failed without one (a file
    // that arrived short, a path that does not fit).
    unsigned long code = 0;
    // The file or folder the step failed on; empty where none is known.
    std::string path;
    // Whose numbering code is in: the shell's copy has codes of its own.
    platform::CodeKind kind = platform::CodeKind::kWindows;

    bool Happened() const { return !step.empty(); }
    // Notes the first failure of a run: a later step failing in its wake
    // (an undo after a failed move) does not hide why the run failed.
    void Note(const char* failedStep, const platform::Outcome& outcome = platform::Outcome::Failure(0),
              const std::string& failedPath = std::string()) {
        if (Happened()) return;
        step = failedStep;
        code = outcome.Code();
        path = failedPath;
        kind = outcome.Kind();
    }
    // The reason as an outcome, for its code's name and text.
    platform::Outcome Reason() const { return platform::Outcome::Failure(code, kind); }
};

// The steps, as the run log names them.
namespace steps {
constexpr const char* kUserDataFolder = "user data folder";
constexpr const char* kLock = "lock";
constexpr const char* kRecovery = "recovery";
constexpr const char* kPathLength = "path length";
constexpr const char* kStagingFolder = "staging folder";
constexpr const char* kJournal = "journal";
constexpr const char* kCopy = "copy";
constexpr const char* kReplace = "replace";
constexpr const char* kBackup = "backup";
constexpr const char* kRegistry = "registry";
constexpr const char* kTargetFolder = "target folder";
constexpr const char* kInfoFile = "EUDC.INI";
// Something no step foresaw: no memory, say.
constexpr const char* kUnexpected = "unexpected";
}  // namespace steps
