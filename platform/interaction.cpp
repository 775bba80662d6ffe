// The real boxes and EUDC switch, and the slot a test can fill.
#include "platform/interaction.h"

#include "platform/module_function.h"

namespace platform {

const char* const kBoxCaption = "ミナモ";

namespace {

// mingw's headers do not declare EnableEUDC; gdi32 has exported it since
// Windows 95/NT 4.0.
using EnableEudcFn = BOOL(WINAPI*)(BOOL);

class SystemInteraction : public Interaction {
public:
    void ShowMessage(const std::string& text) override {
        MessageBoxA(GetActiveWindow(), text.c_str(), kBoxCaption, MB_OK);
    }
    int AskYesNo(const std::string& text) override {
        return MessageBoxA(GetActiveWindow(), text.c_str(), kBoxCaption,
                           MB_YESNO | MB_ICONWARNING);
    }
    BOOL EnableEudc(BOOL enable) override {
        auto fn = LoadedModuleFunction<EnableEudcFn>("gdi32.dll", "EnableEUDC");
        return fn ? fn(enable) : FALSE;
    }
};

SystemInteraction systemInteraction;
Interaction* current = &systemInteraction;

}  // namespace

Interaction& CurrentInteraction() { return *current; }

Interaction* SetInteraction(Interaction* replacement) {
    Interaction* previous = current;
    current = replacement ? replacement : &systemInteraction;
    return previous;
}

}  // namespace platform
