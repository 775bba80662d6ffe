// The code table's status bar: the EUDC file linked to the chosen face in
// panel 0 (also the bar's tooltip), the code of a cell in panel 1, and how
// many characters the linked file holds in panel 2.
#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "engine/set/font_characters.h"
#include "engine/report/texts.h"
#include "ui/window_texts.h"
#include "ui/code_table/fit_path.h"
#include "ui/code_table/code_table_window.h"

namespace {
constexpr int kFileMargin = 60;  // kept free right of the path in panel 0
}

void CodeTableWindow::UpdateFileStatus() {
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(statusBar, WM_GETFONT, 0, 0));
    int labelWidth = TextWidthIn(font, texts::kFileLabel);
    std::string file = FindLinkedFile(run_.fontLinks, fontText_, run_.folders.MajorVersion());
    std::string shown = FitPathToWidth(file, font, PanelWidth(0) - labelWidth - Scale()(kFileMargin));
    std::string text = std::string(texts::kFileLabel) + shown;
    SetPanelText(0, text);
    hints_.SetText(statusBar, text.c_str());
}

void CodeTableWindow::UpdateCharacterCount() {
    const std::string file = FindLinkedFile(run_.fontLinks, fontText_, run_.folders.MajorVersion());
    size_t count = 0;
    std::string bytes;
    // A face without a linked font file shows no count, rather than 0.
    SetPanelText(2, !file.empty() && CountFileCharacters(file, count, bytes)
                        ? texts::Format(texts::kCharacterCountFormat, {count})
                        : std::string());
}

int CodeTableWindow::PanelWidth(int panel) const {
    RECT part{};
    SendMessageA(statusBar, SB_GETRECT, panel, reinterpret_cast<LPARAM>(&part));
    return part.right - part.left;
}

void CodeTableWindow::SetPanelText(int panel, const std::string& text) {
    SendMessageA(statusBar, SB_SETTEXTA, panel | SBT_NOBORDERS, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string CodeTableWindow::PanelText(int panel) const {
    LRESULT length = LOWORD(SendMessageA(statusBar, SB_GETTEXTLENGTHA, panel, 0));
    std::vector<char> text(length + 1);
    SendMessageA(statusBar, SB_GETTEXTA, panel, reinterpret_cast<LPARAM>(text.data()));
    return std::string(text.data());
}
