#include "app/command_mode.h"

#include <algorithm>
#include <exception>
#include <new>

#include "engine/acquire.h"
#include "engine/run/eudc_switch.h"
#include "engine/run/help.h"
#include "engine/install/install.h"
#include "engine/install/remove.h"
#include "engine/report/run_log.h"
#include "engine/set/installed_fingerprint.h"
#include "engine/set/set_fingerprint.h"
#include "engine/report/texts.h"
#include "engine/map_eudc.h"
#include "engine/verify.h"

namespace {

// The fingerprint of the set in folder for the run log; read only when a
// log is kept, since it reads every file of the set.
std::string FingerprintForLog(const Options& options, const std::string& folder) {
    if (options.logFile.empty()) return std::string();
    SetFolder set(folder);
    return SetFingerprint(set);
}

void Install(const EudcRequest& request, RunRecord& record) {
    record.action = request.options.autoRun ? "/p (AutoRun)" : "/p";
    record.target = request.target.Folder();
    InstallReport report;
    record.result = InstallWithEudcOff(request, report);
    record.failure = report.failure;
    record.fingerprint = FingerprintForLog(request.options, record.target);
    record.counts = report.counts;
}

// /undo: takes back the last install that changed anything; what it
// replaces becomes a backup in turn, so that an undo can be undone.
void Undo(const EudcRequest& request, RunRecord& record) {
    record.action = "/undo";
    InstallReport report;
    record.result = UndoWithEudcOff(request, report, record.target);
    record.failure = report.failure;
    if (!record.target.empty()) record.fingerprint = FingerprintForLog(request.options, record.target);
    record.counts = report.counts;
}

// /remove: the set's faces get back what they had before it came, or lose
// their links; its files go into a backup that /undo installs.
void Remove(const EudcRequest& request, RunRecord& record) {
    record.action = "/remove";
    record.target = request.target.Folder();
    RemoveReport report;
    record.result = RemoveWithEudcOff(request, report);
    record.failure = report.failure;
    record.fingerprint = FingerprintForLog(request.options, record.target);
    record.counts = report.counts;
}

void Verify(const EudcRequest& request, RunRecord& record) {
    record.action = "/v";
    record.target = request.target.Folder();
    VerifyReport report;
    record.result = VerifyEudc(request, report);
    record.fingerprint = report.fingerprint;
    if (record.result != Result::kOk && record.result != Result::kSetNotInstalled) return;
    record.differences = report.differences.size();
    record.differenceKind = report.first.kind;
    record.differenceFile = report.first.file;
}

void Map(const EudcRequest& request, RunRecord& record) {
    record.action = "/map";
    record.target = request.target.Folder();
    MapReport report;
    record.result = MapEudc(request, report);
}

void Acquire(const EudcRequest& request, RunRecord& record) {
    record.action = "/g";
    record.target = request.target.Folder();
    AcquireReport report;
    record.result = AcquireEudc(request, report);
    record.failure = report.failure;
    if (record.result == Result::kOk) record.fingerprint = FingerprintForLog(request.options, record.target);
}

// The failure a run that met something unexpected ends with: the code its
// own failures have.
Result UnexpectedFailure(const Options& options) {
    if (options.mapRequested) return Result::kNoReferenceFont;
    if (options.verifyRequested) return Result::kSetNotInstalled;
    if (options.undoRequested || options.installRequested) return Result::kInstallFailed;
    if (options.acquireRequested) return Result::kAcquireFailed;
    return Result::kInstallFailed;
}

// Runs the action the options ask for.
void RunAction(const EudcRequest& request, RunRecord& record) {
    const Options& options = request.options;
    Notifier& notifier = request.notifier;
    if (!options.unknownSwitch.empty()) {
        // A mistyped switch may have meant /s or /keep: nothing runs.
        // The log keeps one record a line, whatever was typed.
        record.action = options.unknownSwitch;
        std::replace_if(record.action.begin(), record.action.end(),
                        [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
        ShowUnknownSwitch(options.unknownSwitch, notifier);
        record.result = Result::kUnknownSwitch;
        // NOLINTNEXTLINE(bugprone-branch-clone): help is the first action and the last resort
    } else if (options.helpRequested) {
        record.action = "/h";
        ShowHelp(notifier);
    } else if (options.eudcSwitch != EudcSwitch::kNone) {
        record.action = options.eudcSwitch == EudcSwitch::kOn ? "true" : "false";
        SwitchEudc(options.eudcSwitch, notifier);
    } else if (options.mapRequested) {
        Map(request, record);
    } else if (options.verifyRequested) {
        Verify(request, record);
    } else if (options.removeRequested) {
        Remove(request, record);
    } else if (options.undoRequested) {
        Undo(request, record);
    } else if (options.installRequested) {
        Install(request, record);
    } else if (options.acquireRequested) {
        Acquire(request, record);
    } else {
        record.action = "/h";
        ShowHelp(notifier);
    }
}

}  // namespace

Result RunCommandMode(RunParameters& run) {
    const Options& options = run.options;
    Notifier notifier(options.silent, options.Asks());
    const EudcRequest request{run.folders, options, run.target, notifier};
    RunRecord record;
    // Nothing a run meets ends it without its code, its message and its
    // log line: what was locked or switched off is given back on the way
    // out (the owners' destructors), and the run fails as its action fails.
    try {
        RunAction(request, record);
    } catch (const std::bad_alloc&) {
        record.result = UnexpectedFailure(options);
        record.failure.Note(steps::kUnexpected, platform::Outcome::Failure(ERROR_NOT_ENOUGH_MEMORY));
        notifier.Notify(texts::Format(texts::kUnexpectedFailure, {"std::bad_alloc"}));
    } catch (const std::exception& error) {
        record.result = UnexpectedFailure(options);
        record.failure.Note(steps::kUnexpected);
        notifier.Notify(texts::Format(texts::kUnexpectedFailure, {error.what()}));
    } catch (...) {
        record.result = UnexpectedFailure(options);
        record.failure.Note(steps::kUnexpected);
        notifier.Notify(texts::Format(texts::kUnexpectedFailure, {"?"}));
    }
    // What the PC has now, for a run that dealt with its EUDC.
    // A PC's files that cannot be read for it leave the field empty: the
    // run's own result stands.
    if (!options.logFile.empty() && record.action != "/h" && options.eudcSwitch == EudcSwitch::kNone) {
        try {
            record.installed = InstalledFingerprint(run.folders);
        } catch (...) {
            record.installed.clear();
        }
    }
    AppendRunLog(options.logFile, run.folders.program, record, notifier.Reports());
    return record.result;
}
