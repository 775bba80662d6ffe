#include "app/run_modes.h"

#include "app/command_mode.h"
#include "engine/run/command_line.h"
#include "engine/report/texts.h"
#include "platform/interaction.h"

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
