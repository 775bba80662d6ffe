// The target folder list of the main window: the program folder's plain
// sub-folders, the choice that follows from the selected folder's content,
// and the creation of a new sub-folder.
#include <memory>

#include "engine/info_file.h"
#include "engine/paths.h"
#include "engine/settings.h"
#include "engine/sorted_names.h"
#include "engine/texts.h"
#include "platform/platform.h"
#include "ui/control_text.h"
#include "ui/controls.h"
#include "ui/main/minamo_form.h"
#include "ui/main/new_folder_form.h"

namespace {

// Only a directory that carries no other attribute is offered: hidden,
// system, read-only or archived folders are not EUDC sets of the user's.
// "(デフォルト)" stands for the program folder and cannot name a sub-folder.
bool IsListedFolder(const platform::FolderEntry& entry) {
    return entry.attributes == FILE_ATTRIBUTE_DIRECTORY && entry.name != "." &&
           entry.name != ".." && entry.name != texts::kDefaultFolder;
}

std::vector<std::string> SortedSubFolders(const std::string& folder) {
    std::vector<std::string> names;
    for (const platform::FolderEntry& entry : platform::ListFolder(folder + "*"))
        if (IsListedFolder(entry)) names.push_back(entry.name);
    SortIgnoringCase(names);
    return names;
}

void AddItem(HWND combo, const std::string& text) {
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace

bool TMinamoForm::FillFolderList(const std::string& wanted) {
    SendMessageA(CBSelectFolder, CB_RESETCONTENT, 0, 0);
    const Target& target = run_.target;
    if (target.valid) {
        // A folder named at start-up is the only choice for the whole run.
        AddItem(CBSelectFolder, RemoveTrailingBackslash(target.absolute ? target.folder : target.name));
        SendMessageA(CBSelectFolder, CB_SETCURSEL, 0, 0);
        CBSelectFolderChange();
        return true;
    }
    bool found = false;
    int selected = 0;
    AddItem(CBSelectFolder, texts::kDefaultFolder);
    const std::string wantedUpper = paths::UpperAscii(wanted);
    const std::vector<std::string> names = SortedSubFolders(run_.folders.program);
    for (size_t i = 0; i < names.size(); ++i) {
        AddItem(CBSelectFolder, names[i]);
        if (paths::UpperAscii(names[i]) == wantedUpper) {
            selected = static_cast<int>(i) + 1;
            found = true;
        }
    }
    if (!found && wanted.empty()) found = true;
    SendMessageA(CBSelectFolder, CB_SETCURSEL, selected, 0);
    CBSelectFolderChange();
    return found;
}

void TMinamoForm::CBSelectFolderChange() {
    const std::string text = SelectedFolderText();
    run_.target.name = text == texts::kDefaultFolder ? std::string() : AddTrailingBackslash(text);
    UpdateFolderState();
}

void TMinamoForm::UpdateFolderState() {
    Target& target = run_.target;
    Options& options = run_.options;
    target.Resolve();
    if (HoldsEudcData(target.folder)) {
        EnableWindow(RBPutEUDCFile, TRUE);
        ReadFolderOptions(target.folder, options);
        ui::SetChecked(CBCopyEUF, options.copyCompanions);
        ui::SetChecked(CBDatable, options.onlyNewer);
        // A choice the user already made stays.
        if (!ui::IsChecked(RBGetEUDCFile) && !ui::IsChecked(RBPutEUDCFile))
            ui::SetChecked(RBPutEUDCFile, true);
    } else {
        EnableWindow(RBPutEUDCFile, FALSE);
        ui::SetChecked(RBPutEUDCFile, false);
        ui::SetChecked(RBGetEUDCFile, true);
        ui::SetChecked(CBCopyEUF, true);
        ui::SetChecked(CBDatable, false);
        options.silent = startupSilent_;
    }
    EnableWindow(NewFolderButton, !target.valid);
    EnableWindow(CBDatable, ui::IsChecked(RBPutEUDCFile));
}

namespace {

// A name that climbs out of the program folder ("..") or names the same
// folder again (".") is no sub-folder to create.
bool ClimbsOut(const std::string& name) {
    for (size_t start = 0;;) {
        const size_t end = paths::NextDelimiter(name, "\\/", start);
        const std::string part = name.substr(start, end == std::string::npos ? end : end - start);
        if (part == "." || part == "..") return true;
        if (end == std::string::npos) return false;
        start = end + 1;
    }
}

}  // namespace

void TMinamoForm::NewFolderButtonClick() {
    newFolderDialog_ = std::make_unique<TNewFolderForm>(Handle());
    TNewFolderForm* dialog = newFolderDialog_.get();
    while (dialog->ShowModal() == IDOK) {
        const std::string name = RemoveTrailingBackslash(ui::WindowText(dialog->EditFolderName));
        if (name == texts::kDefaultFolder) {
            platform::ShowMessage(texts::Format(texts::kFolderNotAllowed, {texts::kDefaultFolder}));
            continue;
        }
        const std::string path = run_.folders.program + name;
        if (platform::FileExists(path) || platform::DirectoryExists(path)) {
            platform::ShowMessage(texts::Format(texts::kFolderExists, {path}));
            continue;
        }
        if (!ClimbsOut(name) && platform::CreateOneDirectory(path)) {
            platform::ShowMessage(texts::Format(texts::kFolderCreated, {path}));
            FillFolderList(name);
            break;
        }
        platform::ShowMessage(texts::Format(texts::kFolderCreateFailed, {path}));
        SetWindowTextA(dialog->EditFolderName, "");
    }
    newFolderDialog_.reset();
}
