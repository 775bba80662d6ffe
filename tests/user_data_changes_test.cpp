// The install, /undo and /remove as a PC meets them, each run driven as
// the command line runs it: what each face opens afterwards, the links,
// the exit codes; and the arguments and link values a real PC holds.
#include <gtest/gtest.h>

#include "app/run_modes.h"
#include "engine/report/texts.h"
#include "platform/files.h"
#include "tests/support/test_support.h"

using namespace testing_support;

namespace {

int NoWindowMode(RunParameters&) {
    ADD_FAILURE() << "window mode";
    return -1;
}

// A program folder with sets, this user's user data folder and link table
// emptied before and after, the fonts folder's EUDC.TTE taken away after.
class UserDataChanges : public ::testing::Test {
protected:
    void SetUp() override { Clean(); }
    void TearDown() override { Clean(); }
    void Clean() {
        ClearEudcKey();
        RemoveTree(userData);
        DeleteFileA(fontsEudc.c_str());
    }
    int Run(const StringList& args) { return ::RunMinamo(program / "minamo.exe", args, NoWindowMode); }
    // A set folder: its EUDC.INI's [EUDC932] lines, and files of their own bytes.
    void MakeSet(const std::string& name, const std::string& links, const StringList& files, int seed) {
        MakeFolder(program / name);
        WriteFile(program / name + "\\EUDC.INI", "[EUDC932]\r\n" + links);
        for (const std::string& file : files) MakeFontFile(program / name + "\\" + file, 1000, seed++);
    }
    std::string Bytes(const std::string& set, const std::string& file) { return ReadFile(program / set + "\\" + file); }
    // The newest backup by its name (those of one second numbered on).
    std::string NewestBackupName() {
        std::string newest;
        for (const platform::FolderEntry& entry : platform::ListFolder(userData + "backup\\*"))
            if (entry.name[0] != '.' && entry.name > newest) newest = entry.name;
        return newest + "\\";
    }

    TempFolder program;
    const std::string userData = UserDataFolder();
    const std::string fontsEudc = WindowsFolder() + "Fonts\\EUDC.TTE";
    FakeInteraction boxes;
};

// Every spelling Windows opens the fonts folder's EUDC.TTE by is that file:
// /keep holds an install that would drop its character, and /map reads it.
TEST_F(UserDataChanges, EverySpellingOfALinkIsTheFileItOpens) {
    CopyFileTo(TestFontsFolder() + "OLDEUDC.TTE", fontsEudc);  // E000-E003
    MakeFolder(program / "data");
    CopyFileTo(TestFontsFolder() + "NEWEUDC.TTE", program / "data\\EUDC.TTE");  // E001-E004
    const std::string windows = WindowsFolder();
    const std::string drive = windows.substr(0, 2), below = windows.substr(2);  // "C:", "\windows\"
    for (const std::string& value :
         {drive + "/windows/Fonts/EUDC.TTE", std::string("%SystemRoot%/Fonts/EUDC.TTE"), below + "Fonts\\EUDC.TTE",
          std::string("%windir%\\Fonts\\EUDC.TTE"), std::string("EUDC.TTE"), windows + "Fonts\\.\\eudc.tte."}) {
        ClearEudcKey();
        SetEudcLink("SystemDefaultEUDCFont", value);
        EXPECT_EQ(Run({"/p", "/s", "/keep", "data"}), 12) << value;
        EXPECT_EQ(EudcLink("SystemDefaultEUDCFont"), value);
    }
    // This PC's map, its link a bare name: the fonts folder's file, not one
    // of the working folder.
    SetEudcLink("SystemDefaultEUDCFont", "EUDC.TTE");
    EXPECT_EQ(Run({"/map", "/s", "/ref:" + TestFontsFolder() + "shapes\\reference.ttf"}), 0);
    EXPECT_NE(ReadFile(userData + "EUDCMAP.CSV").find("EUDC.TTE"), std::string::npos);
}

// A link naming a device is never opened: the install goes on, keeping its
// value in the backup, and no run waits on it; /ref: naming one ends 15.
TEST_F(UserDataChanges, DevicesAreNeverOpened) {
    MakeSet("data", "SystemDefaultEUDCFont=EUDC.TTE\r\n", {"EUDC.TTE"}, 1);
    for (const std::string device : {"CON", "NUL", "CON.TTE", "AUX", "COM1", "C:\\windows\\Fonts\\COM1.TTE"}) {
        Clean();
        SetEudcLink("SystemDefaultEUDCFont", device);
        SetEudcLink("MS PGothic", device);
        EXPECT_EQ(Run({"/p", "/s", "data"}), 0) << device;
        EXPECT_EQ(EudcLink("SystemDefaultEUDCFont"), userData + "EUDC.TTE");
        EXPECT_EQ(EudcLink("MS PGothic"), device);
        EXPECT_EQ(Run({"/undo", "/s"}), 0) << device;
        EXPECT_EQ(EudcLink("SystemDefaultEUDCFont"), userData + "EUDC.TTE") << "a device is not written back";
        EXPECT_EQ(Run({"/map", "/s", "/ref:" + device, "data"}), 15) << device;
    }
}

// /remove and /undo never put a file back onto a name another face links,
// give each face the link it had right before the set came, and an undo of
// a removal can itself be undone.
TEST_F(UserDataChanges, RemovalAndUndoLeaveOtherFacesAlone) {
    MakeSet("K", "SystemDefaultEUDCFont=EUDC.TTE\r\n", {"EUDC.TTE"}, 10);
    MakeSet("A", "SystemDefaultEUDCFont=A.TTE\r\n", {"A.TTE"}, 20);
    MakeSet("B", "SystemDefaultEUDCFont=B.TTE\r\n", {"B.TTE"}, 30);
    MakeSet("C", "MS PGothic=EUDC.TTE\r\n", {"EUDC.TTE"}, 40);
    // The PC's own EUDC.TTE by its bare name, then A, B, and C linking a
    // second face to a file of that name.
    const auto start = [&] {
        Clean();
        MakeFontFile(fontsEudc, 900, 90);
        SetEudcLink("SystemDefaultEUDCFont", "EUDC.TTE");
    };
    start();
    for (const char* set : {"A", "B", "C"}) ASSERT_EQ(Run({"/p", "/s", set}), 0) << set;
    ASSERT_EQ(Run({"/remove", "/s", "B"}), 0);
    EXPECT_EQ(EudcLink("SystemDefaultEUDCFont"), userData + "A.TTE") << "the link right before B";
    // The fonts folder's file changes: A's removal takes back the copy the
    // install of A kept, beside C's file, not over it.
    MakeFontFile(fontsEudc, 900, 91);
    ASSERT_EQ(Run({"/remove", "/s", "A"}), 0);
    EXPECT_EQ(ReadFile(EudcLink("SystemDefaultEUDCFont")), FontBytes(900, 90));
    EXPECT_EQ(ReadFile(userData + "EUDC.TTE"), Bytes("C", "EUDC.TTE")) << "the second face's file";
    EXPECT_EQ(EudcLink("MS PGothic"), userData + "EUDC.TTE");
    // The same with /undo of A's install, after C's.
    start();
    for (const char* set : {"C", "A"}) ASSERT_EQ(Run({"/p", "/s", set}), 0) << set;
    MakeFontFile(fontsEudc, 900, 91);
    ASSERT_EQ(Run({"/undo", "/s"}), 0);
    EXPECT_EQ(ReadFile(EudcLink("SystemDefaultEUDCFont")), FontBytes(900, 90));
    EXPECT_EQ(ReadFile(userData + "EUDC.TTE"), Bytes("C", "EUDC.TTE"));

    // K, then A over it, then /remove A: K's link comes back, /v K holds.
    Clean();
    ASSERT_EQ(Run({"/p", "/s", "K"}), 0);
    ASSERT_EQ(Run({"/p", "/s", "A"}), 0);
    ASSERT_EQ(Run({"/remove", "/s", "A"}), 0);
    EXPECT_EQ(EudcLink("SystemDefaultEUDCFont"), userData + "EUDC.TTE");
    EXPECT_EQ(Run({"/v", "/s", "K"}), 0);
    // /undo brings A back and makes its own backup: a second /undo goes back.
    EXPECT_EQ(Run({"/undo", "/s"}), 0);
    EXPECT_EQ(EudcLink("SystemDefaultEUDCFont"), userData + "A.TTE");
    EXPECT_EQ(ReadFile(userData + "A.TTE"), Bytes("A", "A.TTE"));
    EXPECT_EQ(Run({"/undo", "/s"}), 0);
    EXPECT_EQ(EudcLink("SystemDefaultEUDCFont"), userData + "EUDC.TTE");
    EXPECT_EQ(Run({"/v", "/s", "K"}), 0);
}

// What a backup records is checked before it is used: a time beyond any
// clock ranks as none, and a planted link value is not written back.
TEST_F(UserDataChanges, PlantedBackupValues) {
    MakeSet("K", "SystemDefaultEUDCFont=EUDC.TTE\r\n", {"EUDC.TTE"}, 10);
    MakeSet("A", "SystemDefaultEUDCFont=A.TTE\r\n", {"A.TTE"}, 20);
    ASSERT_EQ(Run({"/p", "/s", "K"}), 0);
    const std::string planted = userData + "backup\\20990101-000000\\";
    MakeFolder(userData + "backup");
    MakeFolder(planted);
    WriteFile(planted + "EUDC.INI", "[EUDC932]\r\n[PREVIOUS932]\r\nSystemDefaultEUDCFont=\\\\server\\share\\X.TTE\r\n"
                                    "[BACKUP]\r\nMade=9999999999999999999\r\n");
    ASSERT_EQ(Run({"/p", "/s", "A"}), 0);
    EXPECT_EQ(Run({"/undo", "/s"}), 0);
    EXPECT_EQ(EudcLink("SystemDefaultEUDCFont"), userData + "EUDC.TTE") << "A's own backup was undone";
    RemoveTree(planted);
    // The newest backup's values naming a share, a way up, a device.
    for (const std::string value : {"\\\\server\\share\\X.TTE", "..\\..\\X.TTE", "NUL", "C:\\nowhere\\X.TTE"}) {
        ASSERT_EQ(Run({"/p", "/s", "A"}), 0);
        const std::string newest = userData + "backup\\" + NewestBackupName();
        WritePrivateProfileStringA("PREVIOUS932", "SystemDefaultEUDCFont", value.c_str(), (newest + "EUDC.INI").c_str());
        EXPECT_EQ(Run({"/undo", "/s"}), 0) << value;
        EXPECT_EQ(EudcLink("SystemDefaultEUDCFont"), userData + "A.TTE") << value;
    }
}

// A full-width switch is a mistyped one, a second folder is refused, a
// relative /ref: lies in the program's folder.
TEST_F(UserDataChanges, Arguments) {
    MakeSet("data", "SystemDefaultEUDCFont=EUDC.TTE\r\n", {"EUDC.TTE"}, 1);
    MakeSet("other", "SystemDefaultEUDCFont=EUDC.TTE\r\n", {"EUDC.TTE"}, 5);
    EXPECT_EQ(Run({"\x81\x5E\x82\x90", "data"}), 14);  // "／ｐ"
    EXPECT_EQ(Run({"/p", "data", "other"}), 14);
    ASSERT_EQ(boxes.messages.size(), 2u);
    EXPECT_EQ(boxes.messages[1].find(texts::Format(texts::kSecondFolder, {"other"})), 0u);
    EXPECT_TRUE(EudcLinks().empty()) << "nothing installed";
    CopyFileTo(TestFontsFolder() + "shapes\\reference.ttf", program / "ref.ttf");
    MakeFolder(program / "set");
    CopyFileTo(TestFontsFolder() + "shapes\\eudc.ttf", program / "set\\EUDC.TTE");
    EXPECT_EQ(Run({"/map", "/s", "/ref:ref.ttf", "set"}), 0);
}

}  // namespace
