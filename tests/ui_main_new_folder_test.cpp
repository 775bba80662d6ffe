// The new-folder dialog, driven through its own controls while the main
// window's CreateNewFolder holds it open.
#include "engine/report/texts.h"
#include "tests/support/utf8.h"
#include "tests/ui_main_support.h"
#include "ui/main/new_folder_dialog.h"

namespace ui_test {
namespace {

using testing_support::Sjis;

const std::string kDefault = Sjis(u8"(デフォルト)");

HWND Edit(HWND dialog) { return GetDlgItem(dialog, NewFolderDialog::kNameEntry); }
HWND Ok(HWND dialog) { return GetDlgItem(dialog, IDOK); }

// One showing: type the name, then press OK (or Enter in the entry).
std::function<void(HWND)> Enter(const std::string& name, bool byEnterKey = false) {
    return [name, byEnterKey](HWND dialog) {
        SetWindowTextA(Edit(dialog), name.c_str());
        if (byEnterKey)
            PostMessageA(Edit(dialog), WM_KEYDOWN, VK_RETURN, 1);
        else
            Click(Ok(dialog));
    };
}

TEST_F(MainWindowTest, NewFolderDialogLooksAsLaidOut) {
    Open();
    DialogScript script(Main().Handle());
    script.Then([this](HWND dialog) {
        EXPECT_EQ(Text(dialog), Sjis(u8"新規フォルダ作成"));
        EXPECT_EQ(Client(dialog).cx, 366);
        EXPECT_EQ(Client(dialog).cy, 159);
        EXPECT_FALSE(GetWindowLongPtrA(dialog, GWL_STYLE) & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
        // Centred on the main window.
        RECT d = Outer(dialog), m = Outer(Main().Handle());
        EXPECT_LE(std::abs((d.left + d.right) - (m.left + m.right)), 1);
        EXPECT_LE(std::abs((d.top + d.bottom) - (m.top + m.bottom)), 1);
        EXPECT_FALSE(Enabled(Main().Handle()));  // modal
        EXPECT_EQ(Text(GetDlgItem(dialog, IDCANCEL)), Sjis(u8"キャンセル"));
        EXPECT_EQ(LOWORD(SendMessageA(dialog, DM_GETDEFID, 0, 0)), IDOK);
        EXPECT_EQ(GetFocus(), Edit(dialog));
        // OK follows the entry: a blank is a name, nothing is none.
        const struct {
            const char* text;
            bool ok;
        } entries[] = {{"", false}, {" ", true}, {"", false}, {"x", true}, {"", false}};
        for (const auto& e : entries) {
            SetWindowTextA(Edit(dialog), e.text);
            EXPECT_EQ(Enabled(Ok(dialog)), e.ok) << "[" << e.text << "]";
        }
        // Enter with OK disabled does nothing; Esc cancels.
        PostMessageA(Edit(dialog), WM_KEYDOWN, VK_RETURN, 1);
        PostMessageA(Edit(dialog), WM_KEYDOWN, VK_ESCAPE, 1);
    });
    Click(Main().Control(MainWindow::kNewFolderButton));
    EXPECT_TRUE(script.Finished());
    EXPECT_TRUE(Enabled(Main().Handle()));
    EXPECT_TRUE(boxes.messages.empty());
}

TEST_F(MainWindowTest, NewFolderIsCreatedAndSelected) {
    MakeFolder("old");
    Open();
    const struct {
        const char* entry;
        const char* created;   // the folder that must exist afterwards
        const char* selected;  // nullptr: the default item
        bool byEnterKey;
    } cases[] = {
        {"new", "new", "new", false},
        {"trailing\\", "trailing", "trailing", false},
        {u8"会社のPC", u8"会社のPC", u8"会社のPC", false},
        // Not a direct sub-folder: created, but the list has no such item.
        {"old\\inner", "old\\inner", nullptr, false},
        {"byenter", "byenter", "byenter", true},
    };
    for (const auto& c : cases) {
        boxes.messages.clear();
        DialogScript script(Main().Handle());
        script.Then(Enter(Sjis(c.entry), c.byEnterKey));
        Click(Main().Control(MainWindow::kNewFolderButton));
        const std::string path = Program(Sjis(c.created));
        EXPECT_TRUE(platform::DirectoryExists(path)) << path;
        ASSERT_EQ(boxes.messages.size(), 1u);
        EXPECT_EQ(boxes.messages[0],
                  Sjis(u8"新しいフォルダ ") + path + Sjis(u8" を作成しました。"));
        EXPECT_EQ(SelectedItem(Main().Control(MainWindow::kFolderList)), c.selected ? Sjis(c.selected) : kDefault);
    }
}

TEST_F(MainWindowTest, RefusedNamesShowTheDialogAgain) {
    MakeFile("file.txt");
    MakeFolder("old");
    Open();
    const std::string refused = Sjis(u8"(デフォルト) というフォルダは指定できません。");
    auto exists = [](const std::string& path) { return path + Sjis(u8" はすでに存在しています。"); };
    const struct {
        std::string entry;
        std::string message;
    } cases[] = {
        {kDefault, refused},
        {kDefault + "\\", refused},
        {"file.txt", exists(Program("file.txt"))},
        {"OLD", exists(Program("OLD"))},
        {"\\", exists(program.path())},  // the program folder itself
    };
    for (const auto& c : cases) {
        boxes.messages.clear();
        DialogScript script(Main().Handle());
        script.Then(Enter(c.entry)).Then([&c](HWND dialog) {
            EXPECT_EQ(Text(Edit(dialog)), c.entry);  // kept for another try
            EXPECT_TRUE(Enabled(Ok(dialog)));
            Click(GetDlgItem(dialog, IDCANCEL));
        });
        Click(Main().Control(MainWindow::kNewFolderButton));
        EXPECT_TRUE(script.Finished());
        EXPECT_EQ(boxes.messages, std::vector<std::string>{c.message}) << c.entry;
    }
}

TEST_F(MainWindowTest, FailedCreationEmptiesTheEntry) {
    Open();
    const char* entries[] = {"a*b", "what?", "missing\\inner", "..\\outside"};
    for (const char* entry : entries) {
        boxes.messages.clear();
        DialogScript script(Main().Handle());
        script.Then(Enter(entry)).Then([](HWND dialog) {
            EXPECT_EQ(Text(Edit(dialog)), "");
            EXPECT_FALSE(Enabled(Ok(dialog)));
            PostMessageA(dialog, WM_CLOSE, 0, 0);
        });
        Click(Main().Control(MainWindow::kNewFolderButton));
        const std::string path = Program(entry);
        ASSERT_EQ(boxes.messages.size(), 1u) << entry;
        EXPECT_EQ(boxes.messages[0], Sjis(u8"フォルダ ") + path +
                                         Sjis(u8" を作成できませんでした。\r\n"
                                              u8"(\\:*?\"<>| は使用できません。)"));
        EXPECT_FALSE(platform::DirectoryExists(path)) << path;
    }
}

TEST_F(MainWindowTest, CancelCreatesNothingAndKeepsTheList) {
    Open();
    MakeFolder("behind");  // appears only when the list is rebuilt
    const std::function<void(HWND)> leaves[] = {
        [](HWND dialog) { Click(GetDlgItem(dialog, IDCANCEL)); },
        [](HWND dialog) { PostMessageA(Edit(dialog), WM_KEYDOWN, VK_ESCAPE, 1); },
        [](HWND dialog) { PostMessageA(dialog, WM_CLOSE, 0, 0); },
    };
    for (const auto& leave : leaves) {
        DialogScript script(Main().Handle());
        script.Then([&leave](HWND dialog) {
            SetWindowTextA(Edit(dialog), "never");
            leave(dialog);
        });
        Click(Main().Control(MainWindow::kNewFolderButton));
        EXPECT_FALSE(platform::DirectoryExists(Program("never")));
        EXPECT_EQ(Items(Main().Control(MainWindow::kFolderList)), std::vector<std::string>{kDefault});
        EXPECT_TRUE(boxes.messages.empty());
        EXPECT_EQ(Main().ModalNewFolderDialog(), nullptr);
    }
}

}  // namespace
}  // namespace ui_test
