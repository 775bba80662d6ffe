// TMinamoForm: the main window of window mode. The user picks acquire or
// install, the target folder and three options, and runs the operation;
// the window also switches EUDC, shows the command help and the registry
// information, and keeps the code table window docked below itself.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "engine/run_parameters.h"
#include "platform/unique_handle.h"
#include "ui/focus_memory.h"
#include "ui/gcode/gcode_form.h"
#include "ui/gdi.h"
#include "ui/hints.h"
#include "ui/main/disp_registry_form.h"
#include "ui/main/new_folder_form.h"
#include "ui/window.h"

class TMinamoForm : public ui::Window {
public:
    // Control identifiers, in tab order.
    enum ControlId {
        kImage1 = 100, kLabel1, kLabelURL, kLabel2,
        kWidthButton, kGroupBox1, kRBGetEUDCFile, kRBPutEUDCFile, kLabel4, kCBSelectFolder,
        kNewFolderButton, kGCodeButton, kRunButton, kEndButton,
        kCBConfirm, kCBCopyEUF, kCBDatable, kEudcOnButton, kEudcOffButton,
        kCommandHelpButton, kDispRegButton, kMemo1,
    };

    static constexpr int kNarrowWidth = 482;
    static constexpr int kWideWidth = 770;
    static constexpr int kClientHeight = 234;

    // Creates the window (hidden) on the run's parameters, which outlive
    // it, and runs FormCreate.
    static std::unique_ptr<TMinamoForm> Create(RunParameters& run);
    ~TMinamoForm() override;

    // The windows this one opened, while they are there (null otherwise):
    // the code table until it closes, each modal window while it shows.
    TGCodeForm* CodeTable() const { return codeTable_.get(); }
    const TDispRegistryForm* RegistryWindow() const { return registryWindow_.get(); }
    const TNewFolderForm* NewFolderDialog() const { return newFolderDialog_.get(); }

    // Shows the window the normal way; FormShow runs then.
    void Show();

    // Vertical gap between this window's bottom and the code table's top.
    int DockGap = 0;

    // Controls.
    HWND Image1 = nullptr, Label1 = nullptr, LabelURL = nullptr, Label2 = nullptr;
    HWND WidthButton = nullptr, GroupBox1 = nullptr;
    HWND RBGetEUDCFile = nullptr, RBPutEUDCFile = nullptr, Label4 = nullptr;
    HWND CBSelectFolder = nullptr, NewFolderButton = nullptr;
    HWND GCodeButton = nullptr, RunButton = nullptr, EndButton = nullptr;
    HWND CBConfirm = nullptr, CBCopyEUF = nullptr, CBDatable = nullptr;
    HWND EudcOnButton = nullptr, EudcOffButton = nullptr;
    HWND CommandHelpButton = nullptr, DispRegButton = nullptr, Memo1 = nullptr;

    // Folder list (folder_list.cpp).
    bool FillFolderList(const std::string& wanted);
    void CBSelectFolderChange();
    void UpdateFolderState();
    void NewFolderButtonClick();

private:
    explicit TMinamoForm(RunParameters& run);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    void DpiChanged() override;
    void CreateControls();
    void CreateMainArea();
    void CreateOptionArea();
    void AddHints();
    void MakeFonts();
    void LoadIcon();
    void LayOut();
    void ShowWhatIsInside(int clientWidth);
    void OnCommand(int id, int notification);
    LRESULT OnControlColor(HDC dc, HWND control);
    bool OnSetCursor(HWND under);

    void FormCreate();
    void FormShow();
    void FormResize();
    void WidthButtonClick();
    void RBGetEUDCFileClick();
    void RunButtonClick();
    // Handlers of WM_ENABLEEUDC and WM_MOVING (windows.h makes the latter
    // name a macro, hence the Delphi-style spelling).
    void WMEnableEudc();
    void WMMoving(const RECT& proposed);
    void EudcOnButtonClick();
    void EudcOffButtonClick();
    void GCodeButtonClick();
    void CommandHelpButtonClick();
    void DispRegButtonClick();
    void LabelURLClick();
    void EndButtonClick();

    void RefreshCodeTable();
    std::string SelectedFolderText() const;

    RunParameters& run_;
    std::unique_ptr<TGCodeForm> codeTable_;
    std::unique_ptr<TDispRegistryForm> registryWindow_;
    std::unique_ptr<TNewFolderForm> newFolderDialog_;
    gdi::Font font_;
    gdi::Font linkFont_;
    ui::Hints hints_;
    platform::UniqueIcon icon_;
    HCURSOR hand_ = nullptr;
    // Client width of the wide layout: 770 scaled, or more where an option
    // grew to show its caption.
    int wideWidth_ = 0;
    ui::FocusMemory focus_;
    // Silent as the program started; a folder without settings of its own
    // brings it back (a folder's Silet must not leak into another folder).
    bool startupSilent_ = false;
};
