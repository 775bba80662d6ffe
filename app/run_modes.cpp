#include "app/run_modes.h"

#include "engine/acquire.h"
#include "engine/command_line.h"
#include "engine/eudc_switch.h"
#include "engine/help.h"
#include "engine/install/backups.h"
#include "engine/install/install.h"
#include "engine/run_log.h"
#include "engine/texts.h"
#include "platform/interaction.h"

namespace {

// /undo: the newest backup installed like any set; what it replaces becomes
// a backup in turn, so that an undo can be undone.
Result UndoLastInstall(RunParameters& run, const Options& options, const std::string& backup,
                       Notifier& notifier) {
    if (backup.empty()) {
        notifier.Notify(texts::kNoBackup);
        return Result::kNoFilesToInstall;
    }
    const Target target = TargetNamed(run.folders.program, backup);
    InstallReport report;
    return InstallWithEudcOff({run.folders, options, target, run.fontLinks, notifier}, report);
}

// Exactly one action, the first that applies: help beats everything, the
// EUDC switch beats /p and /g, /p (or AutoRun) beats /g. Each run leaves
// its line in the run log when one is asked for.
Result RunCommandMode(RunParameters& run) {
    const Options& options = run.options;
    Notifier notifier(options.silent);
    const EudcRequest request{run.folders, options, run.target, run.fontLinks, notifier};
    RunRecord record;
    if (options.helpRequested) {
        record.action = "/h";
        ShowHelp(notifier);
    } else if (options.eudcSwitch != EudcSwitch::kNone) {
        record.action = options.eudcSwitch == EudcSwitch::kOn ? "true" : "false";
        SwitchEudc(options.eudcSwitch, notifier);
    } else if (options.undoRequested) {
        record.action = "/undo";
        record.target = NewestBackup(run.folders.userData);
        record.result = UndoLastInstall(run, options, record.target, notifier);
    } else if (options.installRequested) {
        record.action = options.autoRun ? "/p (AutoRun)" : "/p";
        InstallReport report;
        record.result = InstallWithEudcOff(request, report);
        record.target = run.target.Folder();
    } else if (options.acquireRequested) {
        record.action = "/g";
        AcquireReport report;
        record.result = AcquireEudc(request, report);
        record.target = run.target.Folder();
    } else {
        record.action = "/h";
        ShowHelp(notifier);
    }
    AppendRunLog(options.logFile, run.folders.program, record, notifier.Reports());
    return record.result;
}

}  // namespace

int RunMinamo(const std::string& executablePath, const StringList& args, WindowMode runWindowMode) {
    RunParameters run(executablePath);
    if (run.folders.program == run.folders.userData) {
        // Shown even when /s follows: nothing has been read yet.
        platform::ShowMessage(texts::kRefuseLocation);
        return 0;
    }
    if (ParseCommandLine(args, run.folders.program, run.options, run.target))
        return ExitCode(RunCommandMode(run));
    return runWindowMode(run);
}
