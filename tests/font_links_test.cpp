#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "engine/param.h"
#include "engine/texts.h"
#include "tests/support/test_support.h"
#include "tests/support/utf8.h"

using namespace testing_support;

namespace {

class FontLinks : public ::testing::Test {
protected:
    void SetUp() override { ClearEudcKey(); }
    void TearDown() override { ClearEudcKey(); }
    TempFolder program;
    std::unique_ptr<TminamoParam> Param() {
        return std::make_unique<TminamoParam>(program / "minamo.exe");
    }
};

TEST_F(FontLinks, ReadsTheTableAtConstruction) {
    const std::string longName(80, 'x');
    std::string longJapanese;  // 40 two-byte characters: Wine reports 40
    for (int i = 0; i < 40; ++i) longJapanese += Sjis(u8"外");
    const std::string longPath = "C:\\" + std::string(400, 'p') + "\\EUDC.TTE";
    const struct {
        const char* label;
        std::vector<std::pair<std::string, std::string>> values;
        std::vector<std::pair<std::string, std::string>> expected;  // %W: WindowsFolder
        bool standard;
    } cases[] = {
        {"empty key", {}, {}, true},
        {"placeholder in capitals",
         {{"SystemDefaultEUDCFont", "%SYSTEMROOT%\\fonts\\EUDC.TTE"}},
         {{"SystemDefaultEUDCFont", "%Wfonts\\EUDC.TTE"}}, true},
        {"only the first placeholder",
         {{"A", "%SystemRoot%\\x\\%SystemRoot%\\y.tte"}},
         {{"A", "%Wx\\%SystemRoot%\\y.tte"}}, true},
        {"small .tte is standard", {{"A", "C:\\f\\a.tte"}}, {{"A", "C:\\f\\a.tte"}}, true},
        {".TTF is not", {{"A", "C:\\f\\a.tte"}, {"B", "C:\\f\\b.TTF"}},
         {{"A", "C:\\f\\a.tte"}, {"B", "C:\\f\\b.TTF"}}, false},
        {"no extension is not", {{"A", "C:\\f.d\\EUDC"}}, {{"A", "C:\\f.d\\EUDC"}}, false},
        {"long names and paths whole", {{longName, longPath}, {longJapanese, "C:\\x.TTE"}},
         {{longName, longPath}, {longJapanese, "C:\\x.TTE"}}, true},
    };
    for (const auto& c : cases) {
        ClearEudcKey();
        for (const auto& v : c.values) SetEudcLink(v.first, v.second);
        auto param = Param();
        std::vector<std::pair<std::string, std::string>> got;
        for (size_t i = 0; i < param->LinkNames.size(); ++i)
            got.emplace_back(param->LinkNames[i], param->LinkFiles[i]);
        auto expected = c.expected;
        for (auto& e : expected) {
            size_t at = e.second.find("%W");
            if (at != std::string::npos) e.second.replace(at, 2, param->WindowsFolder);
        }
        std::sort(got.begin(), got.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(got, expected) << c.label;
        EXPECT_EQ(param->StandardLinks, c.standard) << c.label;
    }
}

TEST_F(FontLinks, ValuesThatAreNotTextAreSkipped) {
    SetEudcValue("Number", REG_DWORD, std::string("\x01\x00\x00\x00", 4));
    SetEudcValue("Binary", REG_BINARY, "\x8a\x4f");
    SetEudcValue("Expand", REG_EXPAND_SZ, std::string("%SystemRoot%\\e.TTE\0", 19));
    SetEudcValue("Empty", REG_SZ, "");
    auto param = Param();
    std::vector<std::pair<std::string, std::string>> got;
    for (size_t i = 0; i < param->LinkNames.size(); ++i)
        got.emplace_back(param->LinkNames[i], param->LinkFiles[i]);
    std::sort(got.begin(), got.end());
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Empty", ""}, {"Expand", param->WindowsFolder + "e.TTE"}};
    EXPECT_EQ(got, expected);
    EXPECT_EQ(param->FontLinkText().find("Number"), std::string::npos);
}

TEST_F(FontLinks, WriteFontLinks) {
    TempFolder users;
    MakeFontFile(users / "EUDC.TTE", 100, 1);
    MakeFontFile(users / "P.TTE", 100, 2);
    const std::string pGothic = Sjis(u8"ＭＳ Ｐゴシック");
    const struct {
        const char* label;
        DWORD major;
        StringList names, files;
        std::vector<std::pair<std::string, std::string>> expected;  // %U: user folder
        size_t unlinked;
    } cases[] = {
        {"major 5 keeps MS PGothic", 5, {"MS PGothic"}, {"P.TTE"}, {{"MS PGothic", "%UP.TTE"}}, 0},
        {"major 4 writes the Japanese name", 4, {"MS PGothic"}, {"P.TTE"}, {{pGothic, "%UP.TTE"}}, 0},
        {"two names, one file", 6, {"SystemDefaultEUDCFont", "IPA明朝"}, {"EUDC.TTE", "EUDC.TTE"},
         {{"SystemDefaultEUDCFont", "%UEUDC.TTE"}, {Sjis(u8"IPA明朝"), "%UEUDC.TTE"}}, 0},
        {"no link to a missing file", 6, {"A", "B"}, {"EUDC.TTE", "NONE.TTE"},
         {{"A", "%UEUDC.TTE"}}, 1},
        {"no link outside the folder", 6, {"A", "B", "C"}, {"..\\EUDC.TTE", "C:\\P.TTE", ""}, {}, 3},
    };
    for (const auto& c : cases) {
        ClearEudcKey();
        auto param = Param();
        param->UserDataFolder = users.path();
        param->OsVersion.dwMajorVersion = c.major;
        param->IniLinkNames = c.names;
        param->IniLinkFiles = c.files;
        EXPECT_EQ(param->WriteFontLinks(), 0) << c.label;
        auto expected = c.expected;
        for (auto& e : expected) e.second.replace(0, 2, users.path());
        auto got = EudcLinks();
        std::sort(got.begin(), got.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(got, expected) << c.label;
        EXPECT_EQ(param->UnlinkedLines.size(), c.unlinked) << c.label;
        EXPECT_EQ(param->LinkNames.size(), expected.size()) << c.label;  // re-read
    }
}

TEST_F(FontLinks, WriteKeepsOtherValuesAndStopsAtARefusal) {
    TempFolder users;
    MakeFontFile(users / "A.TTE", 10, 1);
    SetEudcLink("Other", "C:\\old\\O.TTE");
    auto param = Param();
    param->UserDataFolder = users.path();
    param->IniLinkNames = {"First", std::string(20000, 'N'), "Third"};
    param->IniLinkFiles = {"A.TTE", "A.TTE", "A.TTE"};
    EXPECT_EQ(param->WriteFontLinks(), kResultRegistryError);
    auto got = EudcLinks();
    std::sort(got.begin(), got.end());
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"First", users / "A.TTE"}, {"Other", "C:\\old\\O.TTE"}};
    EXPECT_EQ(got, expected);
}

TEST_F(FontLinks, FindLinkedFileAndText) {
    SetEudcLink("SystemDefaultEUDCFont", "C:\\d\\EUDC.TTE");
    SetEudcLink("MS PGothic", "C:\\d\\P.TTE");
    const std::string pGothic = Sjis(u8"ＭＳ Ｐゴシック");
    const struct {
        DWORD major;
        std::string face, file;
    } cases[] = {
        {5, "ms pgothic", "C:\\d\\P.TTE"},
        {5, pGothic, "C:\\d\\P.TTE"},
        {4, pGothic, "C:\\d\\EUDC.TTE"},  // major 4 looks for the Japanese name itself
        {6, Sjis(u8"IPA明朝"), "C:\\d\\EUDC.TTE"},
    };
    for (const auto& c : cases) {
        auto param = Param();
        param->OsVersion.dwMajorVersion = c.major;
        EXPECT_EQ(param->FindLinkedFile(c.face), c.file) << c.face;
    }
    auto param = Param();
    const std::string text = param->FontLinkText();
    EXPECT_NE(text.find("SystemDefaultEUDCFont = C:\\d\\EUDC.TTE\r\n"), std::string::npos);
    EXPECT_NE(text.find("MS PGothic = C:\\d\\P.TTE\r\n"), std::string::npos);
    EXPECT_EQ(text.size(), std::string("SystemDefaultEUDCFont = C:\\d\\EUDC.TTE\r\n"
                                       "MS PGothic = C:\\d\\P.TTE\r\n").size());

    ClearEudcKey();
    auto none = Param();
    EXPECT_EQ(none->FontLinkText(), "");
    EXPECT_EQ(none->FindLinkedFile("MS PGothic"), "");
    SetEudcLink("Only", "C:\\o.TTE");
    auto noDefault = Param();
    EXPECT_EQ(noDefault->FindLinkedFile("Other"), "");
}

TEST_F(FontLinks, BuildDistinctFiles) {
    auto param = Param();
    param->IniLinkFiles = {"EUDC.TTE", "eudc.tte", "A.TTE", "b.tte", "B.TTE"};
    param->BuildDistinctFiles();
    EXPECT_EQ(param->DistinctFiles, (StringList{"A.TTE", "b.tte", "EUDC.TTE"}));
}

}  // namespace
