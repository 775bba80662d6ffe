#include "app/run_modes.h"

#include "ui/gcode/gcode_form.h"
#include "ui/main/minamo_form.h"

// Runs the main window until it closes; closing it ends the program.
int RunWindowMode() {
    std::unique_ptr<TMinamoForm> form = TMinamoForm::Create();
    if (!form) return 0;
    form->Show();
    RunMessageLoop(*form);
    return 0;
}

void RunMessageLoop(TMinamoForm& form) {
    MSG msg;
    while (form.Handle() && GetMessageA(&msg, nullptr, 0, 0) > 0) {
        // Tab, Enter and the mnemonics as in a dialog box, in both windows.
        if (IsDialogMessageA(form.Handle(), &msg)) continue;
        if (CodeTableForm && IsDialogMessageA(CodeTableForm->Handle(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}
