#include "app/window_mode.h"

#include <memory>

#include "engine/report/texts.h"
#include "platform/interaction.h"
#include "platform/outcome.h"
#include "ui/main/main_window.h"
#include "ui/window_texts.h"

namespace {

// A window mode that cannot show its window has failed, as a start that
// meets something unforeseen (RunMinamo): said in a box where one can
// show, and in the exit code for whoever started it.
int WindowFailed(const platform::Outcome& why) {
    platform::ShowMessage(std::string(texts::kMainWindowFailed) + "\r\n" +
                          texts::Format(texts::kFailureReasonLine, {platform::ErrorText(why), platform::CodeName(why)}));
    return ExitCode(Result::kInstallFailed);
}

}  // namespace

int RunWindowMode(RunParameters& run) {
    std::unique_ptr<MainWindow> window = MainWindow::Create(run);
    if (!window) return WindowFailed(platform::Outcome::LastError());
    window->Show();
    RunMessageLoop(*window);
    return 0;
}

void RunMessageLoop(MainWindow& window) {
    MSG msg;
    while (window.Handle() && GetMessageA(&msg, nullptr, 0, 0) > 0) {
        // Tab, Enter and the mnemonics as in a dialog box, in both windows.
        if (IsDialogMessageA(window.Handle(), &msg)) continue;
        if (window.CodeTable() && IsDialogMessageA(window.CodeTable()->Handle(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}
