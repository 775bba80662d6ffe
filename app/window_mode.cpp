#include "app/window_mode.h"

#include <memory>

#include "ui/main/main_window.h"

int RunWindowMode(RunParameters& run) {
    std::unique_ptr<MainWindow> window = MainWindow::Create(run);
    if (window) {
        window->Show();
        RunMessageLoop(*window);
    }
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
