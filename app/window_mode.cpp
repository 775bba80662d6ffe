#include "app/window_mode.h"

#include <memory>

#include "ui/main/minamo_form.h"

int RunWindowMode(RunParameters& run) {
    std::unique_ptr<TMinamoForm> form = TMinamoForm::Create(run);
    if (form) {
        form->Show();
        RunMessageLoop(*form);
    }
    return 0;
}

void RunMessageLoop(TMinamoForm& form) {
    MSG msg;
    while (form.Handle() && GetMessageA(&msg, nullptr, 0, 0) > 0) {
        // Tab, Enter and the mnemonics as in a dialog box, in both windows.
        if (IsDialogMessageA(form.Handle(), &msg)) continue;
        if (form.CodeTable() && IsDialogMessageA(form.CodeTable()->Handle(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}
