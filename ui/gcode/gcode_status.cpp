// The code table's status bar: the EUDC file linked to the chosen face in
// panel 0 (also the bar's tooltip) and the code of a cell in panel 1.
#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "engine/texts.h"
#include "ui/gcode/fit_path.h"
#include "ui/gcode/gcode_form.h"

namespace {
constexpr int kFileMargin = 60;  // kept free right of the path in panel 0
}

void TGCodeForm::UpdateFileStatus() {
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(StatusBar1, WM_GETFONT, 0, 0));
    int labelWidth = TextWidthIn(font, texts::kFileLabel);
    std::string file = FindLinkedFile(run_.fontLinks, fontText_, run_.folders.MajorVersion());
    std::string shown = FitPathToWidth(file, font, PanelWidth(0) - labelWidth - Scale()(kFileMargin));
    std::string text = std::string(texts::kFileLabel) + shown;
    SetPanelText(0, text);
    hints_.SetText(StatusBar1, text.c_str());
}

int TGCodeForm::PanelWidth(int panel) const {
    RECT part{};
    SendMessageA(StatusBar1, SB_GETRECT, panel, reinterpret_cast<LPARAM>(&part));
    return part.right - part.left;
}

void TGCodeForm::SetPanelText(int panel, const std::string& text) {
    SendMessageA(StatusBar1, SB_SETTEXTA, panel | SBT_NOBORDERS, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string TGCodeForm::PanelText(int panel) const {
    LRESULT length = LOWORD(SendMessageA(StatusBar1, SB_GETTEXTLENGTHA, panel, 0));
    std::vector<char> text(length + 1);
    SendMessageA(StatusBar1, SB_GETTEXTA, panel, reinterpret_cast<LPARAM>(text.data()));
    return std::string(text.data());
}
