// The EUDC switch, the code table button, command help, the registry
// information window, the end button and the window-mode loop (docking:
// ui_main_pair_test).
#include "app/run_modes.h"
#include "app/window_mode.h"
#include "engine/report/texts.h"
#include "tests/support/utf8.h"
#include "tests/ui_main_support.h"
#include "ui/code_table/code_table_window.h"
#include "ui/main/registry_window.h"
#include "ui/window_texts.h"
#include "ui/window_messages.h"

namespace ui_test {
namespace {

using testing_support::Sjis;

TEST_F(MainWindowTest, EudcButtonsSwitchAndRefreshAnOpenCodeTable) {
    MainWindow& f = Open();
    const BOOL on = platform::kEudcOn, off = platform::kEudcOff;
    Click(f.Control(MainWindow::kEudcOffButton));
    Click(f.Control(MainWindow::kEudcOnButton));
    PumpMessages();
    EXPECT_EQ(boxes.eudcCalls, (std::vector<BOOL>{off, on}));
    Click(f.Control(MainWindow::kCodeTableButton));
    ASSERT_TRUE(Main().CodeTable());
    MessageCounter refreshes(Main().CodeTable()->Handle(), WM_REFRESHCODETABLE);
    Click(f.Control(MainWindow::kEudcOffButton));
    PumpMessages();
    EXPECT_EQ(refreshes.count, 1);
    Click(f.Control(MainWindow::kEudcOnButton));
    PumpMessages();
    EXPECT_EQ(refreshes.count, 2);
    EXPECT_EQ(boxes.eudcCalls, (std::vector<BOOL>{off, on, off, on}));
    EXPECT_TRUE(boxes.messages.empty());
    EXPECT_EQ(param->options.eudcSwitch, EudcSwitch::kNone);
}

// The code table comes and goes with its button, and goes with the window
// when the end button closes it.
TEST_F(MainWindowTest, CodeTableButtonOpensClosesAndReopens) {
    MainWindow& f = Open();
    for (int round = 0; round < 2; ++round) {
        Click(f.Control(MainWindow::kCodeTableButton));
        ASSERT_TRUE(Main().CodeTable());
        HWND table = Main().CodeTable()->Handle();
        EXPECT_TRUE(IsWindowVisible(table));
        EXPECT_EQ(GetWindow(table, GW_OWNER), f.Handle());
        EXPECT_EQ(Client(table).cx, 482);
        EXPECT_EQ(Client(table).cy, 234);
        const RECT main = Outer(f.Handle());
        EXPECT_EQ(Outer(table).left, main.left);
        EXPECT_EQ(Outer(table).top, main.bottom + f.DockGap());
        Click(f.Control(MainWindow::kCodeTableButton));
        EXPECT_FALSE(Main().CodeTable());
        EXPECT_FALSE(IsWindow(table));
    }
    // A hidden one is shown again where it is.
    Click(f.Control(MainWindow::kCodeTableButton));
    HWND table = Main().CodeTable()->Handle();
    SetWindowPos(table, nullptr, 300, 500, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(table, SW_HIDE);
    Click(f.Control(MainWindow::kCodeTableButton));
    EXPECT_TRUE(IsWindowVisible(table));
    EXPECT_EQ(Outer(table).left, 300);
    EXPECT_EQ(Outer(table).top, 500);
    Click(f.Control(MainWindow::kEndButton));
    EXPECT_FALSE(f.Handle());
    EXPECT_FALSE(IsWindow(table));
    EXPECT_FALSE(f.CodeTable());
}

TEST_F(MainWindowTest, CommandHelpShowsTheUsageUnlessSilent) {
    Open();
    Click(Main().Control(MainWindow::kCommandHelpButton));
    EXPECT_EQ(boxes.messages, std::vector<std::string>{testing_support::UsageText()});
    param->options.silent = true;
    Click(Main().Control(MainWindow::kCommandHelpButton));
    EXPECT_EQ(boxes.messages.size(), 1u);
}

TEST_F(MainWindowTest, RegistryWindowReadsTheRegistryAtEachShowing) {
    MainWindow& f = Open();
    const std::string longPath =
        "C:\\a\\very\\long\\folder\\name\\that\\does\\not\\fit\\into\\one\\line\\of\\the\\box\\EUDC.TTE";
    const struct {
        std::vector<std::pair<std::string, std::string>> links;
        std::string text;
    } showings[] = {
        {{}, ""},
        {{{"SystemDefaultEUDCFont", "C:\\x\\EUDC.TTE"}},
         "SystemDefaultEUDCFont = C:\\x\\EUDC.TTE\r\n"},
        // Created in the order Wine also enumerates them.
        {{{"Arial", longPath}, {"SystemDefaultEUDCFont", "C:\\x\\EUDC.TTE"}},
         "Arial = " + longPath + "\r\nSystemDefaultEUDCFont = C:\\x\\EUDC.TTE\r\n"},
    };
    for (const auto& s : showings) {
        testing_support::ClearEudcKey();
        for (const auto& link : s.links) testing_support::SetEudcLink(link.first, link.second);
        DialogScript script(f.Handle());
        script.Then([&](HWND window) {
            EXPECT_EQ(Text(window), Sjis(u8"現在の外字の登録情報"));
            EXPECT_EQ(Client(window).cx, 446);
            EXPECT_EQ(Client(window).cy, 303);
            EXPECT_FALSE(Enabled(f.Handle()));
            ASSERT_TRUE(Main().ModalRegistryWindow());
            HWND memo = Main().ModalRegistryWindow()->linkText;
            EXPECT_EQ(Text(memo), s.text);
            // Long lines wrap: no horizontal scrolling.
            EXPECT_FALSE(GetWindowLongPtrA(memo, GWL_STYLE) & (WS_HSCROLL | ES_AUTOHSCROLL));
            if (s.links.size() == 2) {
                EXPECT_GT(SendMessageA(memo, EM_GETLINECOUNT, 0, 0), 3);
            }
            // The box follows the window's size.
            ui::SetClientSize(window, 600, 200);
            EXPECT_EQ(Outer(memo).right - Outer(memo).left, 600);
            PostMessageA(window, WM_CLOSE, 0, 0);
        });
        Click(f.Control(MainWindow::kRegistryButton));
        EXPECT_TRUE(script.Finished());
        EXPECT_FALSE(Main().ModalRegistryWindow());
        EXPECT_TRUE(Enabled(f.Handle()));
    }
    EXPECT_TRUE(boxes.messages.empty());
}

// The main window that CloseMainWindowOnce closed.
HWND closedMainWindow = nullptr;

// Timer callback: once the main window shows, chooses the folder and presses
// 終了, as the user does.
void CALLBACK CloseMainWindowOnce(HWND, UINT, UINT_PTR, DWORD) {
    HWND main = FindWindowA("TMinamoForm", nullptr);
    if (!main || !IsWindowVisible(main) || closedMainWindow) return;
    closedMainWindow = main;
    HWND list = GetDlgItem(main, MainWindow::kFolderList);
    SelectItem(list, 0);
    Click(GetDlgItem(main, MainWindow::kEndButton));
}

// minamo.exe without switches: the main window runs until it is closed,
// and the exit code is 0.
TEST(WindowMode, RunsUntilTheMainWindowCloses) {
    testing_support::TempFolder program;
    testing_support::MakeFolder(program / "data");
    testing_support::FakeInteraction boxes;
    closedMainWindow = nullptr;
    UINT_PTR timer = SetTimer(nullptr, 0, 50, CloseMainWindowOnce);
    EXPECT_EQ(RunMinamo(program / "minamo.exe", {"data"}, RunWindowMode), 0);
    KillTimer(nullptr, timer);
    EXPECT_TRUE(closedMainWindow);
    EXPECT_FALSE(IsWindow(closedMainWindow));
    EXPECT_TRUE(boxes.messages.empty());
}

LRESULT CALLBACK RefuseEveryWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return message == WM_NCCREATE ? FALSE : DefWindowProcA(window, message, wParam, lParam);
}

// A main window that cannot be made ends window mode with a failure and
// says so, instead of 0 as if the user had closed it.
TEST(WindowMode, FailsWhenTheMainWindowCannotBeMade) {
    testing_support::TempFolder program;
    testing_support::FakeInteraction boxes;
    // The main window's class, taken first by a procedure that refuses
    // every window.
    const HINSTANCE module = GetModuleHandleA(nullptr);
    UnregisterClassA("TMinamoForm", module);
    WNDCLASSEXA refusing{};
    refusing.cbSize = sizeof refusing;
    refusing.lpfnWndProc = RefuseEveryWindow;
    refusing.hInstance = module;
    refusing.lpszClassName = "TMinamoForm";
    ASSERT_TRUE(RegisterClassExA(&refusing));
    const int exitCode = RunMinamo(program / "minamo.exe", {}, RunWindowMode);
    UnregisterClassA("TMinamoForm", module);
    EXPECT_EQ(exitCode, 2);
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(boxes.messages[0].find(texts::kMainWindowFailed), 0u) << boxes.messages[0];
}

}  // namespace
}  // namespace ui_test
