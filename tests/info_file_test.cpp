#include <gtest/gtest.h>

#include <memory>

#include "engine/param.h"
#include "tests/support/test_support.h"
#include "tests/support/utf8.h"

using namespace testing_support;

namespace {

class InfoFile : public ::testing::Test {
protected:
    void SetUp() override { ClearEudcKey(); }
    void TearDown() override { ClearEudcKey(); }
    TempFolder program;
    std::unique_ptr<TminamoParam> Param() {
        auto p = std::make_unique<TminamoParam>(program / "minamo.exe");
        p->ResolveTarget();
        return p;
    }
};

TEST_F(InfoFile, WrittenAfterAnAcquire) {
    SetEudcLink("SystemDefaultEUDCFont", "%SystemRoot%\\fonts\\EUDC.TTE");
    SetEudcLink("MS PGothic", "C:\\eudc\\P.FON");
    // An earlier file with an automatic start, a fixed target and an old table.
    WriteFile(program / "EUDC.INI",
              "[EUDC932]\r\nOld=OLD.TTE\r\n[MINAMO]\r\nAutoRun=1\r\nTargetFolder=x\r\n");
    auto param = Param();
    param->Silent = true;
    param->CheckDate = false;
    param->CopyEUF = true;
    ASSERT_TRUE(param->WriteInfoFile());
    const std::string written = ReadFile(program / "EUDC.INI");
    EXPECT_NE(written.find("[MINAMO]\r\nAutoRun=0\r\nTargetFolder=\r\nCopyEUF=1\r\nCheckDate=0\r\nSilet=1\r\n"),
              std::string::npos)
        << written;
    // The links in the order the registry gives them.
    std::string table = "[EUDC932]\r\n";
    for (size_t i = 0; i < param->LinkNames.size(); ++i)
        table += param->LinkNames[i] + "=" + (param->LinkNames[i] == "MS PGothic" ? "P.FON" : "EUDC.TTE") + "\r\n";
    ASSERT_EQ(param->LinkNames.size(), 2u);
    EXPECT_NE(written.find(table), std::string::npos) << written;
    EXPECT_EQ(written.find("Old"), std::string::npos);

    // A new file holds its lines in the documented order.
    TempFolder fresh;
    param->SetTarget(fresh.path());
    param->Silent = false;
    ASSERT_TRUE(param->WriteInfoFile());
    EXPECT_EQ(ReadFile(fresh / "EUDC.INI"),
              "[MINAMO]\r\nAutoRun=0\r\nCopyEUF=1\r\nCheckDate=0\r\nSilet=0\r\nTargetFolder=\r\n"
              + table);
}

TEST_F(InfoFile, WriteFailsWhereTheFileCannotBeWritten) {
    MakeFolder(program / "EUDC.INI");  // a folder in the file's place
    auto param = Param();
    EXPECT_FALSE(param->WriteInfoFile());
    EXPECT_FALSE(param->WriteDefaultInfoFile());
}

TEST_F(InfoFile, DefaultFile) {
    auto param = Param();
    ASSERT_TRUE(param->WriteDefaultInfoFile());
    EXPECT_EQ(ReadFile(program / "EUDC.INI"),
              "[MINAMO]\r\nAutoRun=0\r\nCopyEUF=1\r\nCheckDate=0\r\nSilet=0\r\nTargetFolder=\r\n"
              "[EUDC932]\r\nSystemDefaultEUDCFont=EUDC.TTE\r\n");
    param->SetTarget("missing\\");
    param->ResolveTarget();
    EXPECT_FALSE(param->WriteDefaultInfoFile());
    EXPECT_FALSE(platform::FileExists(program / "missing\\EUDC.INI"));
}

TEST_F(InfoFile, ReadWithTheInstalledFontFilter) {
    const std::string pGothic = Sjis(u8"ＭＳ Ｐゴシック");
    const std::string gothic = Sjis(u8"IPAゴシック");
    const std::string vertical = Sjis(u8"@IPAゴシック");
    const struct {
        const char* label;
        std::string ini;  // empty: no file
        uint8_t result;
        StringList names, files;
        bool standard;
    } cases[] = {
        {"no file", "", 7, {}, {}, true},
        {"empty section", "[MINAMO]\r\nAutoRun=0\r\n[EUDC932]\r\n", 7, {}, {}, true},
        {"faces not installed here", "[EUDC932]\r\nNoSuchFace=A.TTE\r\n" + vertical + "=B.TTE\r\n",
         5, {}, {}, true},
        {"fixed names stay", "[EUDC932]\r\nSystemDefaultEUDCFont=EUDC.TTE\r\nMS PGothic=P.TTE\r\nGone=G.TTE\r\n",
         0, {"SystemDefaultEUDCFont", "MS PGothic"}, {"EUDC.TTE", "P.TTE"}, true},
        {"Japanese PGothic read under its own key", "[EUDC932]\r\n" + pGothic + "=J.TTE\r\n",
         0, {"MS PGothic"}, {"J.TTE"}, true},
        {"installed face, any case", "[EUDC932]\r\nipaゴシック=G.tte\r\n", 0, {Sjis(u8"ipaゴシック")}, {"G.tte"}, true},
        {"installed face", "[EUDC932]\r\n" + gothic + "=G.FON\r\n", 0, {gothic}, {"G.FON"}, false},
        {"fixed names are exact", "[EUDC932]\r\nms pgothic=x.TTE\r\nsystemdefaulteudcfont=y.TTE\r\n",
         5, {}, {}, true},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        if (!c.ini.empty()) WriteFile(folder / "EUDC.INI", c.ini);
        auto param = Param();
        param->SetTarget(folder.path());
        param->StandardLinks = true;
        EXPECT_EQ(param->ReadInfoFile(), c.result) << c.label;
        if (c.result != 0) continue;
        EXPECT_EQ(param->IniLinkNames, c.names) << c.label;
        EXPECT_EQ(param->IniLinkFiles, c.files) << c.label;
        EXPECT_EQ(param->StandardLinks, c.standard) << c.label;
    }
}

}  // namespace
