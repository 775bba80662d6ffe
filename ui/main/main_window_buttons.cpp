// What the main window's buttons do: run, EUDC on and off, the code table,
// command help, the registry window, the support link and end; and the
// code table docked below while the main window is dragged.
#include "engine/acquire.h"
#include "engine/run/help.h"
#include "engine/links/info_file.h"
#include "engine/run/settings.h"
#include "engine/install/install.h"
#include "engine/paths/paths.h"
#include "engine/report/texts.h"
#include "ui/window_texts.h"
#include "platform/platform.h"
#include "ui/client_size.h"
#include "ui/control_text.h"
#include "ui/controls.h"
#include "ui/docking.h"
#include "ui/main/main_window.h"
#include "ui/window_messages.h"

Options MainWindow::RunOptions() const {
    Options options = run_.options;
    options.copyCompanions = ui::IsChecked(copyEufBox_);
    // A ticked box asks for no question before overwriting.
    options.confirm = !ui::IsChecked(noOverwriteQuestionBox_);
    options.onlyNewer = ui::IsChecked(onlyNewerBox_);
    // A folder with settings of its own keeps its Silet for an acquire to
    // write back; any other folder keeps the program's. The window asks
    // and tells all the same.
    const std::string folder = SelectedTarget().Folder();
    if (HoldsEudcData(folder)) options.silent = ReadFolderSettings(folder).silent;
    options.inWindow = true;
    return options;
}

void MainWindow::RunOperation() {
    const Options options = RunOptions();
    const Target target = SelectedTarget();
    Notifier notifier(options.Quiet(), options.Asks());
    const EudcRequest request{run_.folders, options, target, notifier};
    if (ui::IsChecked(acquireChoice_)) {
        AcquireReport report;
        const Result result = AcquireEudc(request, report);
        run_.fontLinks = report.registryLinks;
        // A folder that now holds EUDC files can be installed from.
        if (result == Result::kOk) FillFolderList(RemoveTrailingBackslash(target.Name()));
        return;
    }
    InstallReport report;
    InstallWithEudcOff(request, report);
    run_.fontLinks = report.registryLinks;
    // EUDC on once more, as this window has always switched it back twice.
    SendMessageA(Handle(), WM_ENABLEEUDC, 0, 0);
    RefreshCodeTable();
}

void MainWindow::OnEnableEudcMessage() { platform::EnableEudc(platform::kEudcOn); }

void MainWindow::RefreshCodeTable() {
    if (codeTable_) PostMessageA(codeTable_->Handle(), WM_REFRESHCODETABLE, 0, 0);
}

void MainWindow::SwitchEudcOn() {
    platform::EnableEudc(platform::kEudcOn);
    RefreshCodeTable();
}

void MainWindow::SwitchEudcOff() {
    platform::EnableEudc(platform::kEudcOff);
    RefreshCodeTable();
}

void MainWindow::ToggleCodeTable() {
    if (!codeTable_) {
        // Without a window (the system refused one) there is no code table.
        codeTable_ = CodeTableWindow::Create(Handle(), dockGap_, run_, [this] { codeTable_.reset(); });
        if (!codeTable_) return;
        RECT main = {};
        GetWindowRect(Handle(), &main);
        HWND table = codeTable_->Handle();
        const ui::DpiScale scale = ui::DpiScale::Of(table);
        ui::SetClientSize(table, scale(kNarrowWidth), scale(kClientHeight));
        SetWindowPos(table, nullptr, main.left, main.bottom + dockGap_, 0, 0,
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
void MainWindow::MoveCodeTableAlong(const RECT& proposed) {
    if (codeTable_) ui::MoveDockedPartner(codeTable_->Handle(), proposed, ui::Dock::kBelow, dockGap_);
}

void MainWindow::ShowCommandHelp() {
    const Options options = RunOptions();
    Notifier notifier(options.silent, options.Asks());
    ShowHelp(notifier);
}

void MainWindow::ShowRegistryWindow() {
    registryWindow_ = std::make_unique<RegistryWindow>(Handle(), run_.folders);
    registryWindow_->ShowModal();
    // What it showed is the registry's table as it now is.
    run_.fontLinks = registryWindow_->Links();
    registryWindow_.reset();
}

void MainWindow::OpenReadme() { platform::OpenWithShell(Handle(), run_.folders.program + texts::kReadmeFile); }

void MainWindow::EndProgram() { SendMessageA(Handle(), WM_CLOSE, 0, 0); }
