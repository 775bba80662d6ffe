#include "app/window_mode.h"

#include "ui/run_param.h"

#include "ui/gcode/gcode_form.h"
#include "ui/main/minamo_form.h"

int RunWindowMode(RunParameters& run) {
    // The windows still reach the run parameters through RunParam.
    RunParam = &run;
    std::unique_ptr<TMinamoForm> form = TMinamoForm::Create();
    if (form) {
        form->Show();
        RunMessageLoop(*form);
        form.reset();
    }
    RunParam = nullptr;
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
