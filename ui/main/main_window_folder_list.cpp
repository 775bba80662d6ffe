// The target folder list of the main window: the program folder's plain
// sub-folders, the choice that follows from the selected folder's content,
// and the creation of a new sub-folder.
#include <memory>

#include "engine/links/info_file.h"
#include "engine/paths/paths.h"
#include "engine/run/settings.h"
#include "engine/paths/sorted_names.h"
#include "engine/report/texts.h"
#include "ui/window_texts.h"
#include "platform/platform.h"
#include "ui/control_text.h"
#include "ui/controls.h"
#include "ui/main/main_window.h"
#include "ui/main/new_folder_dialog.h"

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
    // Named as the rest of the program reaches them: a name Shift-JIS
    // cannot spell by its short one.
    for (const platform::FolderEntry& entry : platform::ListFolderSpelled(folder))
        if (IsListedFolder(entry)) names.push_back(entry.name);
    SortIgnoringCase(names);
    return names;
}

void AddItem(HWND combo, const std::string& text) {
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace

bool MainWindow::FillFolderList(const std::string& wanted) {
    SendMessageA(folderList_, CB_RESETCONTENT, 0, 0);
    const Target& target = run_.target;
    if (target.Existed()) {
        // A folder named at start-up is the only choice for the whole run.
        AddItem(folderList_, RemoveTrailingBackslash(target.Absolute() ? target.Folder() : target.Name()));
        SendMessageA(folderList_, CB_SETCURSEL, 0, 0);
        FolderChosen();
        return true;
    }
    bool found = false;
    int selected = 0;
    AddItem(folderList_, texts::kDefaultFolder);
    const std::string wantedUpper = paths::UpperAscii(wanted);
    const std::vector<std::string> names = SortedSubFolders(run_.folders.program);
    for (size_t i = 0; i < names.size(); ++i) {
        AddItem(folderList_, names[i]);
        if (paths::UpperAscii(names[i]) == wantedUpper) {
            selected = static_cast<int>(i) + 1;
            found = true;
        }
    }
    if (!found && wanted.empty()) found = true;
    SendMessageA(folderList_, CB_SETCURSEL, selected, 0);
    FolderChosen();
    return found;
}

std::string MainWindow::SelectedTargetName() const {
    const std::string item = ui::ComboItemText(folderList_, SendMessageA(folderList_, CB_GETCURSEL, 0, 0));
    return item == texts::kDefaultFolder ? std::string() : AddTrailingBackslash(item);
}

Target MainWindow::SelectedTarget() const { return TargetNamed(run_.folders.program, SelectedTargetName()); }

void MainWindow::FolderChosen() { UpdateFolderState(); }

// The choice and the option boxes follow the folder's content and settings.
void MainWindow::UpdateFolderState() {
    const Target target = SelectedTarget();
    if (HoldsEudcData(target.Folder())) {
        EnableWindow(installChoice_, TRUE);
        const FolderSettings settings = ReadFolderSettings(target.Folder());
        ui::SetChecked(copyEufBox_, settings.copyCompanions);
        ui::SetChecked(onlyNewerBox_, settings.onlyNewer);
        // A choice the user already made stays.
        if (!ui::IsChecked(acquireChoice_) && !ui::IsChecked(installChoice_))
            ui::SetChecked(installChoice_, true);
    } else {
        EnableWindow(installChoice_, FALSE);
        ui::SetChecked(installChoice_, false);
        ui::SetChecked(acquireChoice_, true);
        ui::SetChecked(copyEufBox_, true);
        ui::SetChecked(onlyNewerBox_, false);
    }
    EnableWindow(newFolderButton_, !run_.target.Existed());
    EnableWindow(onlyNewerBox_, ui::IsChecked(installChoice_));
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

void MainWindow::CreateNewFolder() {
    newFolderDialog_ = std::make_unique<NewFolderDialog>(Handle());
    NewFolderDialog* dialog = newFolderDialog_.get();
    while (dialog->ShowModal() == IDOK) {
        const std::string name = RemoveTrailingBackslash(ui::WindowText(dialog->nameEntry));
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
        SetWindowTextA(dialog->nameEntry, "");
    }
    newFolderDialog_.reset();
}
