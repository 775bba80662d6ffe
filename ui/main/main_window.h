// MainWindow: the main window of window mode. The user picks acquire or
// install, the target folder and three options, and runs the operation;
// the window also switches EUDC, shows the command help and the registry
// information, and keeps the code table window docked below itself.
//
// It owns the windows it opens: the code table while it is open, and each
// modal window (the new-folder dialog, the registry window) while it
// shows.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "engine/run/run_parameters.h"
#include "platform/unique_handle.h"
#include "ui/code_table/code_table_window.h"
#include "ui/focus_memory.h"
#include "ui/gdi.h"
#include "ui/hints.h"
#include "ui/main/new_folder_dialog.h"
#include "ui/main/registry_window.h"
#include "ui/window.h"

class MainWindow : public ui::Window {
public:
    // Control identifiers, in tab order.
    enum ControlId {
        kProgramIcon = 100, kIntroduction, kReadmeLink, kCopyright,
        kOptionsButton, kOperationGroup, kAcquireChoice, kInstallChoice, kFolderLabel, kFolderList,
        kNewFolderButton, kCodeTableButton, kRunButton, kEndButton,
        kNoOverwriteQuestionBox, kCopyEufBox, kOnlyNewerBox, kEudcOnButton, kEudcOffButton,
        kCommandHelpButton, kRegistryButton, kSystemInfo,
    };

    static constexpr int kNarrowWidth = 482;
    static constexpr int kWideWidth = 770;
    static constexpr int kClientHeight = 234;

    // Creates the window (hidden) on the run's parameters, which outlive
    // it, and starts it from them (StartFromRun).
    static std::unique_ptr<MainWindow> Create(RunParameters& run);
    // The window, and with it the code table, goes before the fonts and
    // the icon its controls show.
    ~MainWindow() override;

    // Shows the window the normal way; PlaceOnScreen runs then.
    void Show();

    // The windows this one opened, while they are there (null otherwise).
    CodeTableWindow* CodeTable() const { return codeTable_.get(); }
    const RegistryWindow* ModalRegistryWindow() const { return registryWindow_.get(); }
    const NewFolderDialog* ModalNewFolderDialog() const { return newFolderDialog_.get(); }

    // Rebuilds the folder list and selects wanted (a name without trailing
    // backslash, compared in ASCII capitals), or "(デフォルト)"; false when
    // a wanted name was not found (main_window_folder_list.cpp).
    bool FillFolderList(const std::string& wanted);

    // A control of this window by its identifier: for the tests, which
    // drive the window as a user does.
    HWND Control(ControlId id) const { return GetDlgItem(Handle(), id); }
    // What a run started now would work on and how: the target the folder
    // list shows chosen, and the start-up options as the option boxes and
    // the chosen folder's settings change them.
    Target SelectedTarget() const;
    Options RunOptions() const;
    // Vertical gap between this window's bottom and the code table's top.
    int DockGap() const { return dockGap_; }

private:
    explicit MainWindow(RunParameters& run);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DpiChanged() override;

    // Creation, layout and the window's own events (main_window.cpp).
    void CreateControls();
    void CreateMainArea();
    void CreateOptionArea();
    void AddHints();
    void MakeFonts();
    void LoadIcon();
    void LayOut();
    void StartFromRun();
    void PlaceOnScreen();
    void FitToClientSize();
    void ShowWhatIsInside(int clientWidth);
    void OnCommand(int id, int notification);
    LRESULT OnControlColor(HDC dc, HWND control);
    bool OnSetCursor(HWND under);
    void ToggleOptionArea();
    void OperationChosen();

    // The folder list (main_window_folder_list.cpp).
    std::string SelectedTargetName() const;
    void FolderChosen();
    void UpdateFolderState();
    void CreateNewFolder();

    // The buttons (main_window_buttons.cpp).
    void RunOperation();
    void OnEnableEudcMessage();  // WM_ENABLEEUDC
    void SwitchEudcOn();
    void SwitchEudcOff();
    void RefreshCodeTable();
    void ToggleCodeTable();
    void MoveCodeTableAlong(const RECT& proposed);  // WM_MOVING
    void ShowCommandHelp();
    void ShowRegistryWindow();
    void OpenReadme();
    void EndProgram();

    RunParameters& run_;
    std::unique_ptr<CodeTableWindow> codeTable_;
    std::unique_ptr<RegistryWindow> registryWindow_;
    std::unique_ptr<NewFolderDialog> newFolderDialog_;
    gdi::Font font_;
    gdi::Font linkFont_;
    ui::Hints hints_;
    platform::UniqueIcon icon_;
    HCURSOR hand_ = nullptr;
    // Client width of the wide layout: 770 scaled, or more where an option
    // grew to show its caption.
    int wideWidth_ = 0;
    ui::FocusMemory focus_;
    // Vertical gap between this window's bottom and the code table's top.
    int dockGap_ = 0;

    // The main area, seen in both layouts.
    HWND programIcon_ = nullptr, introduction_ = nullptr, readmeLink_ = nullptr, copyright_ = nullptr;
    HWND optionsButton_ = nullptr;  // ">>" and "<<": shows and hides the option area
    HWND operationGroup_ = nullptr, acquireChoice_ = nullptr, installChoice_ = nullptr;
    HWND folderLabel_ = nullptr, folderList_ = nullptr, newFolderButton_ = nullptr;
    HWND codeTableButton_ = nullptr, runButton_ = nullptr, endButton_ = nullptr;
    // The option area, seen in the wide layout.
    HWND noOverwriteQuestionBox_ = nullptr, copyEufBox_ = nullptr, onlyNewerBox_ = nullptr;
    HWND eudcOnButton_ = nullptr, eudcOffButton_ = nullptr;
    HWND commandHelpButton_ = nullptr, registryButton_ = nullptr;
    HWND systemInfo_ = nullptr;  // the Windows version and the user data folder
};
