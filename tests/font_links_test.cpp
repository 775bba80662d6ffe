#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "engine/links/font_links.h"
#include "engine/run/run_parameters.h"
#include "engine/paths/sorted_names.h"
#include "engine/report/texts.h"
#include "tests/support/test_support.h"
#include "tests/support/utf8.h"

using namespace testing_support;

namespace {

class FontLinks : public ::testing::Test {
protected:
    void SetUp() override { ClearEudcKey(); }
    void TearDown() override { ClearEudcKey(); }
    TempFolder program;
    std::unique_ptr<RunParameters> Run() { return std::make_unique<RunParameters>(program / "minamo.exe"); }
    static std::vector<std::pair<std::string, std::string>> Pairs(const FontLinkTable& table) {
        std::vector<std::pair<std::string, std::string>> pairs;
        for (const FontLink& link : table.links) pairs.emplace_back(link.face, link.file);
        std::sort(pairs.begin(), pairs.end());  // the registry's order is its own
        return pairs;
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
        std::vector<std::pair<std::string, std::string>> expected;  // %W: the Windows folder
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
        auto run = Run();
        auto got = Pairs(run->fontLinks);
        auto expected = c.expected;
        for (auto& e : expected) {
            size_t at = e.second.find("%W");
            if (at != std::string::npos) e.second.replace(at, 2, run->folders.windows);
        }
        EXPECT_EQ(got, expected) << c.label;
        EXPECT_EQ(run->fontLinks.standard, c.standard) << c.label;
    }
}

TEST_F(FontLinks, ValuesThatAreNotTextAreSkipped) {
    SetEudcValue("Number", REG_DWORD, std::string("\x01\x00\x00\x00", 4));
    SetEudcValue("Binary", REG_BINARY, "\x8a\x4f");
    SetEudcValue("Expand", REG_EXPAND_SZ, std::string("%SystemRoot%\\e.TTE\0", 19));
    SetEudcValue("Empty", REG_SZ, "");
    auto run = Run();
    auto got = Pairs(run->fontLinks);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Empty", ""}, {"Expand", run->folders.windows + "e.TTE"}};
    EXPECT_EQ(got, expected);
    EXPECT_EQ(FontLinkText(run->fontLinks).find("Number"), std::string::npos);
}

TEST_F(FontLinks, WriteFontLinks) {
    TempFolder users;
    MakeFontFile(users / "EUDC.TTE", 100, 1);
    MakeFontFile(users / "P.TTE", 100, 2);
    const std::string pGothic = Sjis(u8"ＭＳ Ｐゴシック");
    const struct {
        const char* label;
        DWORD major;
        ::FontLinks links;
        std::vector<std::pair<std::string, std::string>> expected;  // %U: user folder
        size_t unlinked;
    } cases[] = {
        {"major 5 keeps MS PGothic", 5, {{"MS PGothic", "P.TTE"}}, {{"MS PGothic", "%UP.TTE"}}, 0},
        {"major 4 writes the Japanese name", 4, {{"MS PGothic", "P.TTE"}}, {{pGothic, "%UP.TTE"}}, 0},
        {"two names, one file", 6, {{"SystemDefaultEUDCFont", "EUDC.TTE"}, {"IPA明朝", "EUDC.TTE"}},
         {{Sjis(u8"IPA明朝"), "%UEUDC.TTE"}, {"SystemDefaultEUDCFont", "%UEUDC.TTE"}}, 0},
        {"no link to a missing file", 6, {{"A", "EUDC.TTE"}, {"B", "NONE.TTE"}}, {{"A", "%UEUDC.TTE"}}, 1},
        {"no link outside the folder", 6, {{"A", "..\\EUDC.TTE"}, {"B", "C:\\P.TTE"}, {"C", ""}}, {}, 3},
    };
    for (const auto& c : cases) {
        ClearEudcKey();
        auto run = Run();
        run->folders.userData = users.path();
        run->folders.os.dwMajorVersion = c.major;
        StringList unlinked;
        Failure failure;
        EXPECT_EQ(WriteFontLinks(c.links, run->folders, run->fontLinks, unlinked, failure), Result::kOk) << c.label;
        auto expected = c.expected;
        for (auto& e : expected) e.second.replace(0, 2, users.path());
        EXPECT_EQ(EudcLinks(), expected) << c.label;
        EXPECT_EQ(unlinked.size(), c.unlinked) << c.label;
        EXPECT_EQ(run->fontLinks.links.size(), expected.size()) << c.label;  // re-read
    }
}

TEST_F(FontLinks, WriteKeepsOtherValuesAndStopsAtARefusal) {
    TempFolder users;
    MakeFontFile(users / "A.TTE", 10, 1);
    SetEudcLink("Other", "C:\\old\\O.TTE");
    auto run = Run();
    run->folders.userData = users.path();
    const ::FontLinks links = {{"First", "A.TTE"}, {std::string(20000, 'N'), "A.TTE"}, {"Third", "A.TTE"}};
    StringList unlinked;
    Failure failure;
    EXPECT_EQ(WriteFontLinks(links, run->folders, run->fontLinks, unlinked, failure), Result::kRegistryRefused);
    // The refusal keeps the registry's reason.
    EXPECT_EQ(failure.step, steps::kRegistry);
    EXPECT_NE(failure.code, 0u);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"First", users / "A.TTE"}, {"Other", "C:\\old\\O.TTE"}};
    EXPECT_EQ(EudcLinks(), expected);
}

// Sets the link key's permissions to access for everyone, and nothing else.
bool AllowOnLinkKey(DWORD access) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "EUDC\\932", 0, nullptr, 0, WRITE_DAC, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID everyone = nullptr;
    AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone);
    alignas(DWORD) char aclBytes[256];
    ACL* acl = reinterpret_cast<ACL*>(aclBytes);
    SECURITY_DESCRIPTOR descriptor;
    const bool set = InitializeAcl(acl, sizeof aclBytes, ACL_REVISION) && AddAccessAllowedAce(acl, ACL_REVISION, access, everyone) &&
                     InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) &&
                     SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE) &&
                     RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &descriptor) == ERROR_SUCCESS;
    FreeSid(everyone);
    RegCloseKey(key);
    return set;
}

// A key whose permissions let the user read and set its values, and no
// more (as a policy may leave it), takes the links.
TEST_F(FontLinks, WritesWithTheRightsWritingNeeds) {
    TempFolder users;
    MakeFontFile(users / "A.TTE", 10, 1);
    ASSERT_TRUE(AllowOnLinkKey(KEY_READ | KEY_SET_VALUE));
    auto run = Run();
    run->folders.userData = users.path();
    StringList unlinked;
    Failure failure;
    const Result written = WriteFontLinks({{"First", "A.TTE"}}, run->folders, run->fontLinks, unlinked, failure);
    const auto links = EudcLinks();
    ASSERT_TRUE(AllowOnLinkKey(KEY_ALL_ACCESS));  // for the clean-up
    EXPECT_EQ(written, Result::kOk) << failure.code;
    EXPECT_EQ(links, (std::vector<std::pair<std::string, std::string>>{{"First", users / "A.TTE"}}));
}

// The text of the table: MainWindowTest.RegistryWindowReadsTheRegistryAtEachShowing.
TEST_F(FontLinks, FindLinkedFile) {
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
    for (const auto& c : cases) EXPECT_EQ(FindLinkedFile(Run()->fontLinks, c.face, c.major), c.file) << c.face;

    ClearEudcKey();
    EXPECT_EQ(FindLinkedFile(Run()->fontLinks, "MS PGothic", 6), "");
    SetEudcLink("Only", "C:\\o.TTE");
    EXPECT_EQ(FindLinkedFile(Run()->fontLinks, "Other", 6), "");
}

TEST_F(FontLinks, DistinctFiles) {
    EXPECT_EQ(DistinctIgnoringCase({"EUDC.TTE", "eudc.tte", "A.TTE", "b.tte", "B.TTE"}),
              (StringList{"A.TTE", "b.tte", "EUDC.TTE"}));
}

}  // namespace
