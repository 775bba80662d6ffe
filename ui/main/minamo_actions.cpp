// The main window's buttons: run, EUDC switch, code table, help, registry
// information, support link and end; and the docking of the code table.
#include "engine/acquire.h"
#include "engine/help.h"
#include "engine/install.h"
#include "engine/paths.h"
#include "engine/texts.h"
#include "platform/platform.h"
#include "ui/client_size.h"
#include "ui/control_text.h"
#include "ui/controls.h"
#include "ui/docking.h"
#include "ui/main/minamo_form.h"
#include "ui/window_messages.h"

std::string TMinamoForm::SelectedFolderText() const {
    return ui::ComboItemText(CBSelectFolder, SendMessageA(CBSelectFolder, CB_GETCURSEL, 0, 0));
}

void TMinamoForm::RunButtonClick() {
    // A ticked CBConfirm asks for no question before overwriting.
    RunParameters& run = run_;
    run.options.copyCompanions = ui::IsChecked(CBCopyEUF);
    run.options.confirm = !ui::IsChecked(CBConfirm);
    run.options.onlyNewer = ui::IsChecked(CBDatable);
    const std::string folder = SelectedFolderText();
    run.target.name = folder == texts::kDefaultFolder ? std::string() : AddTrailingBackslash(folder);
    if (ui::IsChecked(RBGetEUDCFile)) {
        AcquireReport report;
        // A folder that now holds EUDC files can be installed from.
        const Result result =
            AcquireEudc(run.folders, run.options, run.target, run.fontLinks, run.notifier, report);
        if (result == Result::kOk) FillFolderList(RemoveTrailingBackslash(run.target.name));
        return;
    }
    InstallReport report;
    InstallWithEudcOff(run.folders, run.options, run.target, run.fontLinks, run.notifier, report);
    // EUDC on once more, as this window has always switched it back twice.
    SendMessageA(Handle(), WM_ENABLEEUDC, 0, 0);
    RefreshCodeTable();
}

void TMinamoForm::WMEnableEudc() { platform::EnableEudc(platform::kEudcOn); }

void TMinamoForm::RefreshCodeTable() {
    if (codeTable_) PostMessageA(codeTable_->Handle(), WM_REFRESHCODETABLE, 0, 0);
}

void TMinamoForm::EudcOnButtonClick() {
    platform::EnableEudc(platform::kEudcOn);
    RefreshCodeTable();
}

void TMinamoForm::EudcOffButtonClick() {
    platform::EnableEudc(platform::kEudcOff);
    RefreshCodeTable();
}

void TMinamoForm::GCodeButtonClick() {
    if (!codeTable_) {
        // Without a window (the system refused one) there is no code table.
        codeTable_ = TGCodeForm::Create(Handle(), DockGap, run_, [this] { codeTable_.reset(); });
        if (!codeTable_) return;
        RECT main = {};
        GetWindowRect(Handle(), &main);
        HWND table = codeTable_->Handle();
        const ui::DpiScale scale = ui::DpiScale::Of(table);
        ui::SetClientSize(table, scale(kNarrowWidth), scale(kClientHeight));
        SetWindowPos(table, nullptr, main.left, main.bottom + DockGap, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        codeTable_->Show();
    } else if (codeTable_->Showing()) {
        codeTable_->Close();
    } else {
        codeTable_->Show();
    }
}

// The code table follows below; it stays on the screen even where the
// main window is dragged partly off it.
void TMinamoForm::WMMoving(const RECT& proposed) {
    if (codeTable_) ui::MoveDockedPartner(codeTable_->Handle(), proposed, ui::Dock::kBelow, DockGap);
}

void TMinamoForm::CommandHelpButtonClick() { ShowHelp(run_.notifier); }

void TMinamoForm::DispRegButtonClick() {
    registryWindow_ = std::make_unique<TDispRegistryForm>(Handle(), run_);
    registryWindow_->ShowModal();
    registryWindow_.reset();
}

void TMinamoForm::LabelURLClick() { platform::OpenWithShell(Handle(), ui::WindowText(LabelURL)); }

void TMinamoForm::EndButtonClick() { SendMessageA(Handle(), WM_CLOSE, 0, 0); }
