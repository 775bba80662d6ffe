#include "app/command_mode.h"

#include <algorithm>
#include <exception>
#include <iterator>
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
#include "engine/convert_text.h"
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
    InstallReport report;
    record.result = UndoWithEudcOff(request, report, record.target);
    record.failure = report.failure;
    if (!record.target.empty()) record.fingerprint = FingerprintForLog(request.options, record.target);
    record.counts = report.counts;
}

// /remove: the set's faces get back what they had before it came, or lose
// their links; its files go into a backup that /undo installs.
void Remove(const EudcRequest& request, RunRecord& record) {
    record.target = request.target.Folder();
    RemoveReport report;
    record.result = RemoveWithEudcOff(request, report);
    record.failure = report.failure;
    record.fingerprint = FingerprintForLog(request.options, record.target);
    record.counts = report.counts;
}

void Verify(const EudcRequest& request, RunRecord& record) {
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
    record.target = request.target.Folder();
    MapReport report;
    record.result = MapEudc(request, report);
}

void Acquire(const EudcRequest& request, RunRecord& record) {
    record.target = request.target.Folder();
    AcquireReport report;
    record.result = AcquireEudc(request, report);
    record.failure = report.failure;
    if (record.result == Result::kOk) record.fingerprint = FingerprintForLog(request.options, record.target);
}

// /convert: data files' EUDC replaced by the map's decisions, scanned, or put back.
void Convert(const EudcRequest& request, RunRecord& record) {
    record.target = request.options.convertSource;
    record.result = ConvertText(request);
}

// A mistyped switch may have meant /s or /keep: nothing runs. The log
// names it as typed, one record a line.
void UnknownSwitch(const EudcRequest& request, RunRecord& record) {
    record.action = request.options.unknownSwitch;
    std::replace_if(record.action.begin(), record.action.end(),
                    [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
    ShowUnknownSwitch(request.options.unknownSwitch, request.notifier);
    record.result = Result::kUnknownSwitch;
}

void Help(const EudcRequest& request, RunRecord&) { ShowHelp(request.notifier); }

void SwitchOn(const EudcRequest& request, RunRecord&) { SwitchEudc(EudcSwitch::kOn, request.notifier); }

void SwitchOff(const EudcRequest& request, RunRecord&) { SwitchEudc(EudcSwitch::kOff, request.notifier); }

// One action of command mode: when it applies, the name the run log gives
// it, the code it ends with when something unforeseen stops it (its own
// failures' code), and what runs.
struct Action {
    bool (*applies)(const Options&);
    const char* logName;  // empty: the action names itself
    Result failure;
    void (*run)(const EudcRequest&, RunRecord&);
};

// The first row that applies runs, and only it. Help and the switch touch
// no set: something unforeseen there ends as an install's failure, as it
// always has. A mistyped switch ends with its own code whatever happens.
const Action kActions[] = {
    {[](const Options& o) { return !o.unknownSwitch.empty(); }, "", Result::kUnknownSwitch, UnknownSwitch},
    {[](const Options& o) { return o.helpRequested; }, "/h", Result::kInstallFailed, Help},
    {[](const Options& o) { return o.eudcSwitch == EudcSwitch::kOn; }, "true", Result::kInstallFailed, SwitchOn},
    {[](const Options& o) { return o.eudcSwitch == EudcSwitch::kOff; }, "false", Result::kInstallFailed, SwitchOff},
    {[](const Options& o) { return o.convertRequested && o.convertScan; }, "/convert /scan", Result::kCharactersLeft, Convert},
    {[](const Options& o) { return o.convertRequested && o.convertBack; }, "/convert /back", Result::kCharactersLeft, Convert},
    {[](const Options& o) { return o.convertRequested; }, "/convert", Result::kCharactersLeft, Convert},
    {[](const Options& o) { return o.mapRequested; }, "/map", Result::kNoReferenceFont, Map},
    {[](const Options& o) { return o.verifyRequested; }, "/v", Result::kSetNotInstalled, Verify},
    {[](const Options& o) { return o.removeRequested; }, "/remove", Result::kInstallFailed, Remove},
    {[](const Options& o) { return o.undoRequested; }, "/undo", Result::kInstallFailed, Undo},
    {[](const Options& o) { return o.installRequested && o.autoRun; }, "/p (AutoRun)", Result::kInstallFailed, Install},
    {[](const Options& o) { return o.installRequested; }, "/p", Result::kInstallFailed, Install},
    {[](const Options& o) { return o.acquireRequested; }, "/g", Result::kAcquireFailed, Acquire},
    {[](const Options&) { return true; }, "/h", Result::kInstallFailed, Help},
};

// The row that runs for these options (the last applies always).
const Action& ChosenAction(const Options& options) {
    for (const Action& action : kActions)
        if (action.applies(options)) return action;
    return kActions[std::size(kActions) - 1];
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
    const Action& action = ChosenAction(options);
    record.action = action.logName;
    try {
        action.run(request, record);
    } catch (const std::bad_alloc&) {
        record.result = action.failure;
        record.failure.Note(steps::kUnexpected, platform::Outcome::Failure(ERROR_NOT_ENOUGH_MEMORY));
        notifier.Notify(texts::Format(texts::kUnexpectedFailure, {"std::bad_alloc"}));
    } catch (const std::exception& error) {
        record.result = action.failure;
        record.failure.Note(steps::kUnexpected);
        notifier.Notify(texts::Format(texts::kUnexpectedFailure, {error.what()}));
    } catch (...) {
        record.result = action.failure;
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
