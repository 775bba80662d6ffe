#include "app/command_mode.h"

#include "engine/acquire.h"
#include "engine/run/eudc_switch.h"
#include "engine/run/help.h"
#include "engine/install/backups.h"
#include "engine/install/install.h"
#include "engine/install/remove.h"
#include "engine/report/run_log.h"
#include "engine/set/installed_fingerprint.h"
#include "engine/set/set_fingerprint.h"
#include "engine/report/texts.h"
#include "engine/verify.h"

namespace {

// The fingerprint of the set in folder for the run log; read only when a
// log is kept, since it reads every file of the set.
std::string FingerprintForLog(const Options& options, const std::string& folder) {
    if (options.logFile.empty()) return std::string();
    SetFiles files(folder);
    return SetFingerprint(files);
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

// /undo: the newest backup installed like any set; what it replaces becomes
// a backup in turn, so that an undo can be undone.
void Undo(const EudcRequest& request, RunRecord& record) {
    record.action = "/undo";
    record.target = NewestBackup(request.folders.userData);
    if (record.target.empty()) {
        request.notifier.Notify(texts::kNoBackup);
        record.result = Result::kNoFilesToInstall;
        return;
    }
    const Target backup = TargetNamed(request.folders.program, record.target);
    InstallReport report;
    record.result = InstallWithEudcOff(
        {request.folders, request.options, backup, request.registryLinks, request.notifier}, report);
    record.failure = report.failure;
    record.fingerprint = FingerprintForLog(request.options, record.target);
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

void Acquire(const EudcRequest& request, RunRecord& record) {
    record.action = "/g";
    record.target = request.target.Folder();
    AcquireReport report;
    record.result = AcquireEudc(request, report);
    record.failure = report.failure;
    if (record.result == Result::kOk) record.fingerprint = FingerprintForLog(request.options, record.target);
}

}  // namespace

Result RunCommandMode(RunParameters& run) {
    const Options& options = run.options;
    Notifier notifier(options.silent);
    const EudcRequest request{run.folders, options, run.target, run.fontLinks, notifier};
    RunRecord record;
    // NOLINTNEXTLINE(bugprone-branch-clone): help is the first action and the last resort
    if (options.helpRequested) {
        record.action = "/h";
        ShowHelp(notifier);
    } else if (options.eudcSwitch != EudcSwitch::kNone) {
        record.action = options.eudcSwitch == EudcSwitch::kOn ? "true" : "false";
        SwitchEudc(options.eudcSwitch, notifier);
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
    // What the PC has now, for a run that dealt with its EUDC.
    if (!options.logFile.empty() && record.action != "/h" && options.eudcSwitch == EudcSwitch::kNone)
        record.installed = InstalledFingerprint(run.folders);
    AppendRunLog(options.logFile, run.folders.program, record, notifier.Reports());
    return record.result;
}
