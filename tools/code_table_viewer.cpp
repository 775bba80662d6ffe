// Opens the code table window alone, for a look by hand and for the
// screenshot:  code_table_viewer [--unicode] [--hover=COL,ROW] [--select=COL,ROW]
//   --unicode        switch to Unicode numbering
//   --select=C,R     make (C, R) the current cell
//   --hover=C,R      put the mouse over cell (C, R) so the magnifier shows
// The window closes on its own after --seconds=N when given.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

#include "platform/platform.h"
#include "ui/client_size.h"
#include "ui/dpi_scale.h"
#include "ui/code_table/code_table_window.h"
#include "ui/window_messages.h"

namespace {

bool CellArgument(const std::string& arg, const char* name, int& col, int& row) {
    std::string prefix = std::string(name) + "=";
    if (arg.rfind(prefix, 0) != 0) return false;
    return std::sscanf(arg.c_str() + prefix.size(), "%d,%d", &col, &row) == 2;
}

void Hover(const CodeTableWindow* window, int col, int row) {
    RECT cell = window->grid->CellRect(col, row);
    POINT at{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    POINT screen = at;
    ClientToScreen(window->grid->Handle(), &screen);
    SetCursorPos(screen.x, screen.y);
    SendMessageA(window->grid->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
}

}  // namespace

int main(int argc, char** argv) {
    RunParameters run(platform::ExecutablePath());
    // The window closes on its own or by its close box; the table then goes.
    std::unique_ptr<CodeTableWindow> table;
    table = CodeTableWindow::Create(nullptr, 0, run, [&table] { table.reset(); });
    CodeTableWindow* window = table.get();
    // As the main window places it, at the window's DPI.
    const ui::DpiScale scale = ui::DpiScale::Of(window->Handle());
    ui::SetClientSize(window->Handle(), scale(482), scale(234));
    SetWindowPos(window->Handle(), nullptr, scale(40), scale(40), 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    window->Show();
    PostMessageA(window->Handle(), WM_REFRESHCODETABLE, 0, 0);
    int hoverCol = 0, hoverRow = 0, seconds = 0;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        int col, row;
        if (arg == "--unicode") {
            SendMessageA(window->numberingBox, CB_SETCURSEL, 1, 0);
            window->SwitchNumbering();
        } else if (CellArgument(arg, "--select", col, row)) {
            window->grid->SetRow(row);
            window->grid->SetCol(col);
        } else if (CellArgument(arg, "--hover", col, row)) {
            hoverCol = col, hoverRow = row;
        } else if (arg.rfind("--seconds=", 0) == 0) {
            seconds = std::atoi(arg.c_str() + 10);
        }
    }
    UpdateWindow(window->Handle());
    // The mouse comes over the grid once the desktop has settled.
    if (hoverCol > 0) SetTimer(window->Handle(), 1, 4000, nullptr);
    if (seconds > 0) SetTimer(nullptr, 0, seconds * 1000, nullptr);
    MSG msg;
    while (table && GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_TIMER && !msg.hwnd) {
            table->Close();
            continue;
        }
        if (msg.message == WM_TIMER && msg.hwnd == window->Handle() && msg.wParam == 1) {
            KillTimer(window->Handle(), 1);
            Hover(window, hoverCol, hoverRow);
            continue;
        }
        if (IsDialogMessageA(table->Handle(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
