// The yardstick for start-up time and memory: a Win32 program that does
// nothing, built with the same toolchain and options as minamo.exe.
//   empty_app.exe          returns at once
//   empty_app.exe window   shows an empty window until it is closed
//   empty_app.exe fonts    asks for the installed fonts as an install does
//                          (EnumFontFamiliesA on the screen's DC), then returns
#include <windows.h>

#include <cstring>

#include "platform/unique_handle.h"

namespace {

LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

int RunEmptyWindow(HINSTANCE instance) {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "MinamoBenchEmpty";
    RegisterClassA(&wc);
    HWND window = CreateWindowA(wc.lpszClassName, "empty", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                0, 0, 400, 300, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

int CALLBACK CountFont(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return 1;
}

int ListFonts() {
    int count = 0;
    const platform::WindowDC screen(nullptr);
    EnumFontFamiliesA(screen.get(), nullptr, CountFont, reinterpret_cast<LPARAM>(&count));
    return count > 0 ? 0 : 1;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    if (commandLine && std::strstr(commandLine, "window")) return RunEmptyWindow(instance);
    if (commandLine && std::strstr(commandLine, "fonts")) return ListFonts();
    return 0;
}
