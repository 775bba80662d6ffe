#include "app/run_modes.h"

#include <memory>

#include "command/run_log.h"
#include "command/texts.h"
#include "platform/platform.h"

uint8_t ResultCode = 0;

namespace {

// Exactly one action, the first that applies: help beats everything, the
// EUDC switch beats /p and /g, /p (or AutoRun) beats /g. Each run leaves
// its line in the run log when one is asked for.
void RunCommandMode(TminamoParam& param) {
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
        ResultCode = param.PutEudc();
        // On again after every attempt, failed or cancelled ones included.
        platform::EnableEudc(platform::kEudcOn);
        target = param.TargetFolder;
    } else if (param.GetRequested) {
        action = "/g";
        ResultCode = param.GetEudc();
        target = param.TargetFolder;
    } else {
        action = "/h";
        param.ShowHelp();
    }
    AppendRunLog(param, action, target, ResultCode);
}

// Keeps the global RunParam pointing at the one instance while it lives.
class RunParamScope {
public:
    explicit RunParamScope(const std::string& executablePath)
        : param_(std::make_unique<TminamoParam>(executablePath)) {
        RunParam = param_.get();
    }
    ~RunParamScope() { RunParam = nullptr; }
    TminamoParam& get() { return *param_; }

private:
    std::unique_ptr<TminamoParam> param_;
};

}  // namespace

int RunMinamo(const std::string& executablePath, const StringList& args) {
    ResultCode = 0;
    RunParamScope scope(executablePath);
    TminamoParam& param = scope.get();
    if (param.ProgramFolder == param.UserDataFolder) {
        // Shown even when /s follows: nothing has been read yet.
        platform::ShowMessage(texts::kRefuseLocation);
        return 0;
    }
    if (param.ParseCommandLine(args)) {
        RunCommandMode(param);
        return ResultCode;
    }
    return RunWindowMode();
}
