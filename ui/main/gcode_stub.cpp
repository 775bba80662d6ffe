// TEMPORARY stand-in for the code table window, so that the main window's
// code table button, docking and refresh messages work before the real
// window lands. Remove this file (and its line in sources.cmake) then.
#include "ui/gcode/gcode_form.h"

namespace {

const char* const kStubClass = "MinamoGCodeStub";

// The only instance's window; the object itself carries no state.
HWND stubWindow = nullptr;

LRESULT CALLBACK StubProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY) {
        stubWindow = nullptr;
        delete CodeTableForm;
        CodeTableForm = nullptr;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

TGCodeForm* CodeTableForm = nullptr;

TGCodeForm* TGCodeForm::Create(HWND mainWindow, int) {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExA(GetModuleHandleA(nullptr), kStubClass, &wc)) {
        wc.lpfnWndProc = StubProcedure;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = kStubClass;
        RegisterClassExA(&wc);
    }
    stubWindow = CreateWindowExA(0, kStubClass, "code table", WS_OVERLAPPEDWINDOW, 0, 0, 498, 272,
                                 mainWindow, nullptr, GetModuleHandleA(nullptr), nullptr);
    return new TGCodeForm;
}

HWND TGCodeForm::Handle() const { return stubWindow; }
bool TGCodeForm::Showing() const { return stubWindow && IsWindowVisible(stubWindow); }
void TGCodeForm::Show() { ShowWindow(stubWindow, SW_SHOWNA); }
void TGCodeForm::Close() { DestroyWindow(stubWindow); }
