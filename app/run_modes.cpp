#include "app/run_modes.h"

#include "engine/acquire.h"
#include "engine/command_line.h"
#include "engine/eudc_switch.h"
#include "engine/help.h"
#include "engine/install/install.h"
#include "engine/run_log.h"
#include "engine/texts.h"
#include "platform/interaction.h"

namespace {

// Exactly one action, the first that applies: help beats everything, the
// EUDC switch beats /p and /g, /p (or AutoRun) beats /g. Each run leaves
// its line in the run log when one is asked for.
Result RunCommandMode(RunParameters& run) {
    const Options& options = run.options;
    RunRecord record;
    // NOLINTNEXTLINE(bugprone-branch-clone): help is the first action and the last resort
    if (options.helpRequested) {
        record.action = "/h";
        ShowHelp(run.notifier);
    } else if (options.eudcSwitch != EudcSwitch::kNone) {
        record.action = options.eudcSwitch == EudcSwitch::kOn ? "true" : "false";
        SwitchEudc(options.eudcSwitch, run.notifier);
    } else if (options.installRequested) {
        record.action = options.autoRun ? "/p (AutoRun)" : "/p";
        InstallReport report;
        record.result =
            InstallWithEudcOff(run.folders, options, run.target, run.fontLinks, run.notifier, report);
        record.target = run.target.folder;
    } else if (options.acquireRequested) {
        record.action = "/g";
        AcquireReport report;
        record.result = AcquireEudc(run.folders, options, run.target, run.fontLinks, run.notifier, report);
        record.target = run.target.folder;
    } else {
        record.action = "/h";
        ShowHelp(run.notifier);
    }
    AppendRunLog(options.logFile, run.folders.program, record, run.notifier.Reports());
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
