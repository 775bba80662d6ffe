#include "app/run_modes.h"

#include <memory>

#include "command/texts.h"
#include "platform/platform.h"

uint8_t ResultCode = 0;

namespace {

// Exactly one action, the first that applies: help beats everything, the
// EUDC switch beats /p and /g, /p (or AutoRun) beats /g.
void RunCommandMode(TminamoParam& param) {
    if (param.HelpRequested) {
        param.ShowHelp();
    } else if (param.EudcSwitch != kSwitchNone) {
        param.SwitchEudc();
    } else if (param.PutRequested) {
        platform::EnableEudc(platform::kEudcOff);
        ResultCode = param.PutEudc();
        // On again after every attempt, failed or cancelled ones included.
        platform::EnableEudc(platform::kEudcOn);
    } else if (param.GetRequested) {
        ResultCode = param.GetEudc();
    } else {
        param.ShowHelp();
    }
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
