#include <gtest/gtest.h>

#include "engine/paths/folder_tree.h"
#include "engine/paths/paths.h"
#include "tests/support/test_support.h"

namespace {

struct PathCase {
    const char* input;
    const char* expected;
};

TEST(Paths, AddTrailingBackslash) {
    const PathCase cases[] = {
        {"", ""},
        {"C:\\x", "C:\\x\\"},
        {"C:\\x\\", "C:\\x\\"},
        {"data", "data\\"},
        {"D:", "D:\\"},
        // The second byte of 表 is 0x5C: still a name that needs its backslash.
        {"C:\\外字コード表", "C:\\外字コード表\\"},
    };
    for (const PathCase& c : cases) EXPECT_EQ(AddTrailingBackslash(c.input), c.expected) << c.input;
}

TEST(Paths, RemoveTrailingBackslash) {
    const PathCase cases[] = {
        {"", ""},
        {"C:\\x\\", "C:\\x"},
        {"C:\\x\\\\", "C:\\x\\"},  // only one removed
        {"C:\\x", "C:\\x"},
        {"\\", ""},
        {"ソ", "ソ"},  // 0x83 0x5C is one character
    };
    for (const PathCase& c : cases) EXPECT_EQ(RemoveTrailingBackslash(c.input), c.expected) << c.input;
}

TEST(Paths, FileNameFolderAndExtension) {
    struct Case {
        const char* path;
        const char* name;
        const char* folder;
        const char* ext;
        const char* euf;
    };
    const Case cases[] = {
        {"C:\\WINDOWS\\Fonts\\EUDC.TTE", "EUDC.TTE", "C:\\WINDOWS\\Fonts\\", ".TTE", "C:\\WINDOWS\\Fonts\\EUDC.euf"},
        {"D:EUDC.TTE", "EUDC.TTE", "D:", ".TTE", "D:EUDC.euf"},
        {"C:\\a.b\\NOEXT", "NOEXT", "C:\\a.b\\", "", "C:\\a.b\\NOEXT.euf"},
        {"EUDC.tte", "EUDC.tte", "", ".tte", "EUDC.euf"},
        {"C:\\表\\x.TTE", "x.TTE", "C:\\表\\", ".TTE", "C:\\表\\x.euf"},
        {"C:\\x\\a.b.c", "a.b.c", "C:\\x\\", ".c", "C:\\x\\a.b.euf"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(paths::FileNamePart(c.path), c.name) << c.path;
        EXPECT_EQ(paths::FolderPart(c.path), c.folder) << c.path;
        EXPECT_EQ(paths::ExtensionOf(c.path), c.ext) << c.path;
        EXPECT_EQ(paths::ChangeExtension(c.path, ".euf"), c.euf) << c.path;
    }
}

TEST(Paths, UpperAsciiLeavesShiftJisAlone) {
    EXPECT_EQ(paths::UpperAscii("/help -?"), "/HELP -?");
    // 0x83 0x61 (a katakana) keeps its second byte although it is 'a'.
    EXPECT_EQ(paths::UpperAscii("\x83\x61x"), "\x83\x61X");
}

TEST(Paths, IsBareFileName) {
    const struct {
        const char* name;
        bool bare;
    } cases[] = {
        {"EUDC.TTE", true}, {"外字.TTE", true}, {"..", false}, {".", false}, {"", false},
        {"..\\x.TTE", false}, {"a/b.TTE", false}, {"C:x.TTE", false}, {"\\x.TTE", false},
        {"表.TTE", true},  // its 0x5C is no separator
    };
    for (const auto& c : cases) EXPECT_EQ(paths::IsBareFileName(c.name), c.bare) << c.name;
}

// Folder names ending in a character whose second byte is 0x5C.
TEST(FolderTree, NamesEndingInByte5C) {
    for (const char* name : {"表", "ソ", "能", "申", "十", "予"}) {
        testing_support::TempFolder base;
        const std::string deep = base / (std::string(name) + "\\" + name);
        EXPECT_TRUE(CreateFolderTree(deep + "\\")) << name;
        EXPECT_TRUE(platform::DirectoryExists(deep)) << name;
        // Nothing else beside it: no folder with the last character cut off.
        EXPECT_EQ(platform::ListFolder(base / "*").size(), 3u) << name;  // ".", ".." and the folder
    }
    EXPECT_FALSE(CreateFolderTree("\\\\no-such-server\\share\\x\\"));
}

// Paths from the system as the A functions get them: as they are, by the
// short name of what exists, or marked as not spelled.
TEST(SpellPath, ExactShortOrNotSpelled) {
    testing_support::TempFolder base;
    const std::wstring root = testing_support::Wide(base.path());
    const std::wstring yoshino = root + L"\U00020BB7\u91CE";  // 𠮷野: 𠮷 is not in code page 932
    testing_support::MakeFolderW(yoshino);
    const struct {
        std::wstring path;
        std::wstring longFolder;  // the folder the spelling names; empty: not spelled
        std::string rest;         // after that folder, or as a message shows it
    } cases[] = {
        {yoshino, yoshino, ""},
        {yoshino + L"\\minamo\\", yoshino, "\\minamo\\"},  // not there yet, below one that is
        {root + L"new\U00020BB7\\set", L"", "new?\\set"},  // no short name: it does not exist
        {root + L"x\u00A5y", L"", "x?y"},  // ¥ would become a backslash
    };
    for (const auto& c : cases) {
        const std::string spelled = platform::SpellPath(c.path);
        const std::string label = platform::ToMultiByte(CP_UTF8, c.path);
        EXPECT_EQ(paths::IsSpelled(spelled), !c.longFolder.empty()) << label;
        if (c.longFolder.empty()) {
            EXPECT_EQ(paths::ShownPath(spelled), base.path() + c.rest) << label;
            continue;
        }
        ASSERT_EQ(spelled.substr(spelled.size() - c.rest.size()), c.rest) << label;
        const std::string folder = spelled.substr(0, spelled.size() - c.rest.size());
        wchar_t longPath[MAX_PATH] = {};
        GetLongPathNameW(testing_support::Wide(folder).c_str(), longPath, MAX_PATH);
        EXPECT_EQ(std::wstring(longPath), c.longFolder) << label << " as " << spelled;
    }
}

}  // namespace
