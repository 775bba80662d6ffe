#include "app/run_modes.h"

#include "engine/run_log.h"
#include "engine/texts.h"
#include "platform/platform.h"

namespace {

// Exactly one action, the first that applies: help beats everything, the
// EUDC switch beats /p and /g, /p (or AutoRun) beats /g. Each run leaves
// its line in the run log when one is asked for. Returns the exit code.
uint8_t RunCommandMode(TminamoParam& param) {
    uint8_t result = kResultOk;
    std::string action, target;
    if (param.HelpRequested) {
        action = "/h";
        param.ShowHelp();
    } else if (param.EudcSwitch != kSwitchNone) {
        action = param.EudcSwitch == kSwitchOn ? "true" : "false";
        param.SwitchEudc();
    } else if (param.PutRequested) {
        action = param.AutoRun ? "/p (AutoRun)" : "/p";
        platform::EnableEudc(platform::kEudcOff);
        result = param.PutEudc();
        // On again after every attempt, failed or cancelled ones included.
        platform::EnableEudc(platform::kEudcOn);
        target = param.TargetFolder;
    } else if (param.GetRequested) {
        action = "/g";
        result = param.GetEudc();
        target = param.TargetFolder;
    } else {
        action = "/h";
        param.ShowHelp();
    }
    AppendRunLog(param, action, target, result);
    return result;
}

}  // namespace

int RunMinamo(const std::string& executablePath, const StringList& args, WindowMode runWindowMode) {
    TminamoParam param(executablePath);
    if (param.ProgramFolder == param.UserDataFolder) {
        // Shown even when /s follows: nothing has been read yet.
        platform::ShowMessage(texts::kRefuseLocation);
        return 0;
    }
    if (param.ParseCommandLine(args)) return RunCommandMode(param);
    return runWindowMode(param);
}
