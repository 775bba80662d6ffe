#include "app/run_modes.h"

#include <exception>

#include "app/command_mode.h"
#include "engine/run/command_line.h"
#include "engine/report/texts.h"
#include "platform/interaction.h"

namespace {

int RunMinamoOnce(const std::string& executablePath, const StringList& args, WindowMode runWindowMode) {
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

}  // namespace

int RunMinamo(const std::string& executablePath, const StringList& args, WindowMode runWindowMode) {
    // A command run catches what it meets itself, with its log line; this
    // is the last resort of the window and of the start.
    try {
        return RunMinamoOnce(executablePath, args, runWindowMode);
    } catch (const std::exception& error) {
        platform::ShowMessage(texts::Format(texts::kUnexpectedFailure, {error.what()}));
    } catch (...) {
        platform::ShowMessage(texts::Format(texts::kUnexpectedFailure, {"?"}));
    }
    return ExitCode(Result::kInstallFailed);
}
