// The folder list: which sub-folders it offers, in which order, which one
// it selects, and what the selected folder's content does to the choices.
#include <algorithm>

#include "engine/report/texts.h"
#include "tests/support/utf8.h"
#include "tests/ui_main_support.h"

namespace ui_test {
namespace {

using testing_support::Sjis;

const std::string kDefault = Sjis(u8"(デフォルト)");

TEST_F(MainWindowTest, ListsPlainSubFoldersSortedAfterTheDefault) {
    for (const char* name : {"b", "A", "c", "readonly", "hidden", "archived", "system"})
        MakeFolder(name);
    MakeFolder(Sjis(u8"(デフォルト)"));  // cannot be told from the program folder
    MakeFile("file.txt");
    SetFileAttributesA(Program("readonly").c_str(), FILE_ATTRIBUTE_READONLY);
    SetFileAttributesA(Program("hidden").c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesA(Program("archived").c_str(), FILE_ATTRIBUTE_ARCHIVE);
    SetFileAttributesA(Program("system").c_str(), FILE_ATTRIBUTE_SYSTEM);
    ASSERT_NE(GetFileAttributesA(Program("hidden").c_str()), FILE_ATTRIBUTE_DIRECTORY);
    // Wine keeps some attributes of folders only on some file systems: a
    // folder is expected exactly when it reads back as a plain directory.
    std::vector<std::string> expected = {kDefault, "A"};
    for (const char* name : {"archived", "b", "c", "readonly"})
        if (GetFileAttributesA(Program(name).c_str()) == FILE_ATTRIBUTE_DIRECTORY)
            expected.insert(std::lower_bound(expected.begin() + 1, expected.end(), name,
                                             [](const std::string& a, const std::string& b) {
                                                 return lstrcmpiA(a.c_str(), b.c_str()) < 0;
                                             }),
                            name);
    Open();
    EXPECT_EQ(Items(Main().Control(MainWindow::kFolderList)), expected);
    EXPECT_EQ(SelectedItem(Main().Control(MainWindow::kFolderList)), kDefault);
    EXPECT_EQ(Main().SelectedTarget().Name(), "");
}

TEST_F(MainWindowTest, FillFolderListSelectsTheWantedFolder) {
    for (const char* name : {"ABC", "data", "zz"}) MakeFolder(name);
    Open();
    const struct {
        const char* wanted;
        bool found;
        const char* selected;  // nullptr: the default item
        const char* targetName;
    } cases[] = {
        {"abc", true, "ABC", "ABC\\"},  // ASCII letters compare without case
        {"zz", true, "zz", "zz\\"},
        {"", true, nullptr, ""},
        {"nothere", false, nullptr, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Main().FillFolderList(c.wanted), c.found) << c.wanted;
        EXPECT_EQ(SelectedItem(Main().Control(MainWindow::kFolderList)), c.selected ? c.selected : kDefault);
        EXPECT_EQ(Main().SelectedTarget().Name(), c.targetName);
        EXPECT_EQ(Items(Main().Control(MainWindow::kFolderList)).size(), 4u);
    }
}

// A sub-folder named with a character Shift-JIS lacks (𠮷) is offered as
// the rest of the program reaches it: by its short name.
TEST_F(MainWindowTest, ListsAnUnspellableSubFolderByItsShortName) {
    const std::wstring yoshino = testing_support::Wide(program.path()) + L"\U00020BB7\u91CE";
    testing_support::MakeFolderW(yoshino);
    Open();
    const std::vector<std::string> items = Items(Main().Control(MainWindow::kFolderList));
    ASSERT_EQ(items.size(), 2u);
    SelectItem(Main().Control(MainWindow::kFolderList), items[1]);
    EXPECT_TRUE(Main().SelectedTarget().Existed()) << items[1];
    wchar_t longPath[MAX_PATH] = {};
    GetLongPathNameW(testing_support::Wide(Main().SelectedTarget().Folder()).c_str(), longPath, MAX_PATH);
    EXPECT_EQ(std::wstring(longPath), yoshino + L"\\");
}

TEST_F(MainWindowTest, MissingStartupFolderIsReportedEvenWhenSilent) {
    MakeFolder("data");
    testing_support::WriteFile(Program("EUDC.INI"), "[MINAMO]\r\nSilet=1\r\n");
    Open({"gone"});
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(boxes.messages[0], Sjis(u8"指定されたフォルダ gone は存在しません。"));
    EXPECT_EQ(SelectedItem(Main().Control(MainWindow::kFolderList)), kDefault);
    EXPECT_EQ(Items(Main().Control(MainWindow::kFolderList)).size(), 2u);
}

TEST_F(MainWindowTest, StartupFolderThatExistsIsTheOnlyChoice) {
    MakeFolder("data");
    MakeFolder("other");
    const std::string absolute = Program("data");
    const struct {
        std::string argument;
        std::string item;
        std::string targetName;
    } cases[] = {
        {"data", "data", "data\\"},
        {"data\\", "data", "data\\"},
        {absolute, absolute, absolute + "\\"},
    };
    for (const auto& c : cases) {
        Open({c.argument});
        EXPECT_EQ(Items(Main().Control(MainWindow::kFolderList)), std::vector<std::string>{c.item});
        EXPECT_EQ(SelectedItem(Main().Control(MainWindow::kFolderList)), c.item);
        EXPECT_EQ(Main().SelectedTarget().Name(), c.targetName);
        EXPECT_FALSE(Enabled(Main().Control(MainWindow::kNewFolderButton)));
        EXPECT_TRUE(boxes.messages.empty());
        // Selecting it again keeps the target where it was.
        SelectItem(Main().Control(MainWindow::kFolderList), 0);
        EXPECT_EQ(Main().SelectedTarget().Folder(), Program("data\\"));
        mainWindow.reset();
    }
}

TEST_F(MainWindowTest, FolderContentDecidesTheChoices) {
    const struct {
        const char* folder;
        const char* file;  // nullptr: none
        const char* ini;   // nullptr: none
        bool holdsEudc;
        bool copyEuf, checkDate;
    } cases[] = {
        {"empty", nullptr, nullptr, false, true, false},
        {"tteonly", "EUDC.TTE", nullptr, true, true, false},
        {"inionly", nullptr, "[MINAMO]\r\nCopyEUF=0\r\nCheckDate=1\r\n", true, false, true},
        {"both", "EUDC.TTE", "[MINAMO]\r\nCheckDate=1\r\n", true, true, true},
        {"lower", "eudc.tte", nullptr, true, true, false},
        {"foldernamed", nullptr, nullptr, false, true, false},
    };
    for (const auto& c : cases) {
        MakeFolder(c.folder);
        if (c.file) MakeFile(std::string(c.folder) + "\\" + c.file);
        if (c.ini) MakeFile(std::string(c.folder) + "\\EUDC.INI", c.ini);
    }
    MakeFolder("foldernamed\\EUDC.TTE");  // a folder of that name is no EUDC data
    // Named at start-up, the folder makes the first choice.
    for (const auto& c : cases) {
        MainWindow& f = Open({c.folder});
        EXPECT_EQ(Main().SelectedTarget().Name(), std::string(c.folder) + "\\");
        EXPECT_EQ(Enabled(f.Control(MainWindow::kInstallChoice)), c.holdsEudc) << c.folder;
        EXPECT_EQ(Checked(f.Control(MainWindow::kInstallChoice)), c.holdsEudc) << c.folder;
        EXPECT_EQ(Checked(f.Control(MainWindow::kAcquireChoice)), !c.holdsEudc) << c.folder;
        EXPECT_EQ(Checked(f.Control(MainWindow::kCopyEufBox)), c.copyEuf) << c.folder;
        EXPECT_EQ(Checked(f.Control(MainWindow::kOnlyNewerBox)), c.checkDate) << c.folder;
        EXPECT_EQ(Enabled(f.Control(MainWindow::kOnlyNewerBox)), c.holdsEudc) << c.folder;
        EXPECT_FALSE(Enabled(f.Control(MainWindow::kNewFolderButton)));
        mainWindow.reset();
    }
}

TEST_F(MainWindowTest, ChangingFoldersKeepsAChoiceTheUserMade) {
    MakeFolder("eudc");
    MakeFile("eudc\\EUDC.TTE");
    MakeFolder("none");
    MakeFile("EUDC.TTE");  // the program folder too: install comes first
    MainWindow& f = Open();
    EXPECT_TRUE(Checked(f.Control(MainWindow::kInstallChoice)));
    Click(f.Control(MainWindow::kNoOverwriteQuestionBox));
    SelectItem(f.Control(MainWindow::kFolderList), "eudc");
    EXPECT_TRUE(Checked(f.Control(MainWindow::kInstallChoice)));
    SelectItem(f.Control(MainWindow::kFolderList), "none");
    EXPECT_FALSE(Enabled(f.Control(MainWindow::kInstallChoice)));
    EXPECT_FALSE(Checked(f.Control(MainWindow::kInstallChoice)));
    EXPECT_TRUE(Checked(f.Control(MainWindow::kAcquireChoice)));
    SelectItem(f.Control(MainWindow::kFolderList), "eudc");
    EXPECT_TRUE(Enabled(f.Control(MainWindow::kInstallChoice)));
    EXPECT_TRUE(Checked(f.Control(MainWindow::kAcquireChoice)));
    EXPECT_FALSE(Checked(f.Control(MainWindow::kInstallChoice)));
    EXPECT_FALSE(Enabled(f.Control(MainWindow::kOnlyNewerBox)));
    EXPECT_TRUE(Checked(f.Control(MainWindow::kNoOverwriteQuestionBox)));  // never touched by a folder
}

// A folder's Silet belongs to that folder: choosing another folder without
// settings brings back the start-up value.
TEST_F(MainWindowTest, SilentFromOneFolderDoesNotLeakIntoAnother) {
    MakeFolder("quiet");
    MakeFile("quiet\\EUDC.INI", "[MINAMO]\r\nSilet=1\r\n");
    MakeFolder("plain");
    Open();
    SelectItem(Main().Control(MainWindow::kFolderList), "quiet");
    EXPECT_TRUE(Main().RunOptions().silent);
    SelectItem(Main().Control(MainWindow::kFolderList), "plain");
    EXPECT_FALSE(Main().RunOptions().silent);
    Click(Main().Control(MainWindow::kRunButton));  // acquire with no EUDC on the system: reported
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(boxes.messages[0], texts::kNoSystemEudc);
}

}  // namespace
}  // namespace ui_test
