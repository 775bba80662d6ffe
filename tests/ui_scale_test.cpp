// Every window at the usual scales, 100 % to 200 %: this program runs
// itself once per DPI, with the DPI in the registry (a process reads it at
// start) and the windows' faces mapped onto the IPA fonts (scripts/lib.sh
// maps them in the test prefix). The child opens every window and measures
// each caption in its control's font against the control, and each
// control against its neighbours.
#include <cstdlib>

#include "tests/ui_main_support.h"
#include "ui/code_table/code_table_window.h"
#include "ui/gdi.h"
#include "ui/main/registry_window.h"

namespace ui_test {
namespace {

using testing_support::ClassName;
using testing_support::RegistryNumber;
using testing_support::RegistryText;
using testing_support::ScopedRegistryValue;

const char* const kChildVariable = "MINAMO_SCALE_CHILD";  // "dpi dock-gap" in a child

// The extent of text in the control's font; DT_WORDBREAK lays it out in
// width as a static control does.
SIZE Extent(HWND control, const std::string& text, UINT format, int width = 0) {
    const gdi::WindowDC dc(control);
    const gdi::Selection font(dc.get(), reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    RECT r = {0, 0, width, 0};
    DrawTextA(dc.get(), text.c_str(), -1, &r, format | DT_CALCRECT);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc.get(), &metrics);
    return SIZE{r.right, text.empty() ? metrics.tmHeight : r.bottom};
}

// What the control lacks to show all of its caption (of a list or an
// edit, one line of text) in the part of it its window shows: empty when
// it shows it all.
std::string Misfit(HWND control) {
    const std::string cls = ClassName(control), text = Text(control);
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    const UINT dpi = platform::WindowDpi(control);
    SIZE room = Client(control), need = {0, 0};
    room.cx = std::min(room.cx, Client(GetParent(control)).cx - InParent(control).left);
    if (cls == "Static" && (style & SS_TYPEMASK) != SS_ICON) {
        need = Extent(control, text, DT_WORDBREAK | DT_EXPANDTABS, room.cx);
        // Each line on one line: a static control breaks Japanese text at
        // any character, inside a word too ("インストー" / "ル").
        for (size_t start = 0, end; start <= text.size(); start = end + 2) {
            end = std::min(text.find("\r\n", start), text.size());
            const std::string line = text.substr(start, end - start);
            if (Extent(control, line, DT_SINGLELINE | DT_EXPANDTABS).cx > room.cx)
                return "breaks [" + line + "] in " + std::to_string(room.cx);
        }
    } else if (cls == "Button") {
        const LONG type = style & BS_TYPEMASK;
        if (type == BS_AUTOCHECKBOX || type == BS_AUTORADIOBUTTON)
            room.cx -= platform::SystemMetricForDpi(SM_CXMENUCHECK, dpi) + Extent(control, "0", 0).cx / 2;
        else  // the frame of a push button or group box on either side
            room.cx -= 4 * platform::SystemMetricForDpi(SM_CXEDGE, dpi);
        need = Extent(control, text, DT_SINGLELINE);
    } else if (cls == "ComboBox" || (cls == "Edit" && !(style & ES_MULTILINE))) {
        need.cy = Extent(control, "", 0).cy + 2;
    }
    if (need.cx <= room.cx && need.cy <= room.cy) return "";
    return "needs " + std::to_string(need.cx) + "x" + std::to_string(need.cy) + " in " +
           std::to_string(room.cx) + "x" + std::to_string(room.cy);
}

BOOL CALLBACK Collect(HWND child, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

// Every visible control of window shows its caption, and none overlaps a
// neighbour (a group box only holds whole controls).
void ExpectTidy(HWND window) {
    std::vector<HWND> controls;
    EnumChildWindows(window, Collect, reinterpret_cast<LPARAM>(&controls));
    for (HWND c : controls) {
        if (!IsWindowVisible(c)) continue;
        EXPECT_EQ(Misfit(c), "") << ClassName(c) << " [" << Text(c) << "] in " << Text(window);
        for (HWND d : controls) {
            if (d <= c || GetParent(d) != GetParent(c) || !IsWindowVisible(d)) continue;
            RECT a = Outer(c), b = Outer(d), meet;
            if (!IntersectRect(&meet, &a, &b)) continue;
            const bool heldByGroup = (ClassName(c) == "Button" && EqualRect(&meet, &b)) ||
                                     (ClassName(d) == "Button" && EqualRect(&meet, &a));
            EXPECT_TRUE(heldByGroup) << "[" << Text(c) << "] overlaps [" << Text(d) << "]";
        }
    }
}

// The child: every window at this process's DPI.
TEST_F(MainWindowTest, ScaledWindowsAreTidy) {
    const char* child = std::getenv(kChildVariable);
    if (!child) GTEST_SKIP() << "run by EveryWindowIsTidyAtEveryScale";
    int dpi = 0, dockGap = -1;
    ASSERT_EQ(std::sscanf(child, "%d %d", &dpi, &dockGap), 2);
    const ui::DpiScale scale(dpi);
    MainWindow& f = Open();
    EXPECT_EQ(f.Scale().Dpi(), static_cast<UINT>(dpi));
    Click(f.Control(MainWindow::kOptionsButton));
    Click(f.Control(MainWindow::kCodeTableButton));
    ASSERT_TRUE(Main().CodeTable());
    HWND table = Main().CodeTable()->Handle();
    // Widened where an option grew to show its caption.
    EXPECT_GE(Client(f.Handle()).cx, scale(770));
    EXPECT_EQ(Client(table).cy, scale(234));
    EXPECT_EQ(Outer(table).top - Outer(f.Handle()).bottom, dockGap);
    EXPECT_EQ(Main().CodeTable()->grid->RowHeight(), scale(24));
    ExpectTidy(f.Handle());
    ExpectTidy(table);
    DialogScript script(f.Handle());
    for (int dialog = 0; dialog < 2; ++dialog)
        script.Then([](HWND window) {
            ExpectTidy(window);
            PostMessageA(window, WM_CLOSE, 0, 0);
        });
    Click(f.Control(MainWindow::kNewFolderButton));
    Click(f.Control(MainWindow::kRegistryButton));
}

TEST(Scaling, EveryWindowIsTidyAtEveryScale) {
    if (std::getenv(kChildVariable)) GTEST_SKIP() << "a child";
    // With a visual-style theme the code table sits half a frame lower.
    const struct {
        DWORD dpi;
        bool themed;
        int dockGap;
    } scales[] = {{96, true, 2}, {120, false, 0}, {144, true, 2}, {192, true, 2}};
    for (const auto& s : scales) {
        ScopedRegistryValue dpi(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD,
                                RegistryNumber(s.dpi));
        ScopedRegistryValue theme(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager",
                                  L"ThemeActive", REG_SZ, RegistryText(s.themed ? L"1" : L"0"));
        SetEnvironmentVariableA(kChildVariable,
                                (std::to_string(s.dpi) + " " + std::to_string(s.dockGap)).c_str());
        EXPECT_EQ(testing_support::RunProcess(platform::ExecutablePath(),
                                              "--gtest_filter=*ScaledWindowsAreTidy"),
                  0)
            << s.dpi << " DPI";
        SetEnvironmentVariableA(kChildVariable, nullptr);
    }
}

}  // namespace
}  // namespace ui_test
