// The code table's parts on their own: path shortening,
// the font list, and the magnifier popup's size and picture.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/code_table_support.h"
#include "tests/support/utf8.h"
#include "ui/code_table/fit_path.h"
#include "ui/gdi.h"

using namespace code_table_testing;
using testing_support::Sjis;

namespace {

// Measured at ten pixels a byte; in a font, in the code table's status bar:
// CodeTableWindowTest.TheFilePanelNamesTheLinkedFileShortenedToItsWidth.
TEST(FitPathToWidth, ShortensStepByStepToTheFirstFormThatFits) {
    // 表 is 0x95 0x5C in Shift-JIS: its second byte is no folder separator.
    const std::string hyou = Sjis(u8"表示");
    auto narrower = [](const std::string& text) { return static_cast<int>(text.size()) * 10; };
    const std::string fonts = "C:\\WINDOWS\\Fonts\\EUDC.TTE";
    struct Case {
        std::string path;
        int maxWidth;
        std::string shown;
    };
    const Case cases[] = {
        {fonts, 250, fonts},
        {fonts, 249, "C:\\...\\Fonts\\EUDC.TTE"},
        {fonts, 210, "C:\\...\\Fonts\\EUDC.TTE"},
        {fonts, 209, "C:\\...\\EUDC.TTE"},
        {fonts, 150, "C:\\...\\EUDC.TTE"},
        {fonts, 149, "...\\EUDC.TTE"},
        {fonts, 120, "...\\EUDC.TTE"},
        {fonts, 119, "EUDC.TTE"},
        {fonts, 0, "EUDC.TTE"},  // the bare name even when it does not fit
        {"", 0, ""},
        {"C:\\" + hyou + "\\x\\EUDC.TTE", 170, "C:\\...\\x\\EUDC.TTE"},
        {"C:\\" + hyou + "\\EUDC.TTE", 150, "C:\\...\\EUDC.TTE"},
        // Bytes 0x5C inside 表 would leave half a character: C:\...\示\E.TTE.
        {"C:\\abcdef\\" + hyou + "\\E.TTE", 170, "C:\\...\\" + hyou + "\\E.TTE"},
        {"C:\\abcdef\\" + hyou + "\\E.TTE", 160, "C:\\...\\E.TTE"},
        {"D:\\" + hyou + "\\" + hyou + ".TTE", 0, hyou + ".TTE"},
        {"\\\\server\\share\\E.TTE", 160, "\\...\\share\\E.TTE"},
        {"\\\\server\\share\\E.TTE", 120, "\\...\\E.TTE"},
        {"\\\\server\\share\\E.TTE", 90, "...\\E.TTE"},
        {"E.TTE", 0, "E.TTE"},
    };
    for (const Case& c : cases) EXPECT_EQ(FitPathToWidth(c.path, narrower, c.maxWidth), c.shown) << c.maxWidth;
}

TEST(DropFirstFolder, DropsOneFolderAtATime) {
    const std::pair<std::string, std::string> cases[] = {
        {"\\WINDOWS\\Fonts\\", "\\...\\Fonts\\"}, {"\\...\\Fonts\\", "\\...\\"}, {"...\\", ""},
        {"\\", ""}, {"a\\b\\", "...\\b\\"}, {"\\...\\", "\\"}, {"a\\", "...\\"},
        {"\\.a\\b\\", "\\...\\b\\"}};  // only a "...\\" put in before is dropped whole
    for (const auto& c : cases) EXPECT_EQ(DropFirstFolder(c.first), c.second) << c.first;
}

class FontComboBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        LoadTestFonts();
        parent = CreateStandInMain(400, 300);
        combo = std::make_unique<FontComboBox>(parent, 7);
    }
    void TearDown() override {
        combo.reset();
        DestroyWindow(parent);
    }
    std::vector<std::string> Items() const {
        std::vector<std::string> items;
        for (int i = 0; i < combo->ItemCount(); ++i) items.push_back(combo->Item(i));
        return items;
    }
    HWND parent = nullptr;
    std::unique_ptr<FontComboBox> combo;
};

// EnumFontFamiliesExA callback: sets *found for a TrueType Shift-JIS face.
int CALLBACK NoteTrueTypeShiftJis(const LOGFONTA* f, const TEXTMETRICA*, DWORD type, LPARAM found) {
    if (type == TRUETYPE_FONTTYPE && f->lfCharSet == SHIFTJIS_CHARSET) *reinterpret_cast<bool*>(found) = true;
    return 1;
}

// Whether dc offers a TrueType font of family under the Shift-JIS set.
bool HasTrueTypeShiftJis(HDC dc, const std::string& family) {
    LOGFONTA wanted{};
    wanted.lfCharSet = SHIFTJIS_CHARSET;
    lstrcpynA(wanted.lfFaceName, family.c_str(), LF_FACESIZE);
    bool found = false;
    EnumFontFamiliesExA(dc, &wanted, NoteTrueTypeShiftJis, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

TEST_F(FontComboBoxTest, FillFontsListsTrueTypeShiftJisFamiliesOnlyAndAppends) {
    gdi::WindowDC dc(parent);
    combo->FillFonts(dc.get());
    std::vector<std::string> items = Items();
    ASSERT_FALSE(items.empty());
    EXPECT_NE(std::find(items.begin(), items.end(), kShapesFace), items.end());
    EXPECT_NE(std::find(items.begin(), items.end(), kPatternFace), items.end());
    for (const std::string& name : items) {
        EXPECT_FALSE(name.empty());
        EXPECT_NE(name[0], '@') << name;
        EXPECT_TRUE(HasTrueTypeShiftJis(dc.get(), name)) << name;
    }
    // Fonts without Shift-JIS (Wine's Tahoma, Marlett) are not listed.
    EXPECT_EQ(std::find(items.begin(), items.end(), "Tahoma"), items.end());
    EXPECT_EQ(std::find(items.begin(), items.end(), "Marlett"), items.end());
    EXPECT_TRUE(std::is_sorted(items.begin(), items.end(), [](const std::string& a, const std::string& b) {
        return CompareStringA(LOCALE_USER_DEFAULT, 0, a.c_str(), -1, b.c_str(), -1) == CSTR_LESS_THAN;
    }));
    combo->FillFonts(dc.get());
    EXPECT_EQ(combo->ItemCount(), static_cast<int>(items.size() * 2));
}

TEST_F(FontComboBoxTest, SelectFontPicksTheFirstEqualItemOrShowsTheName) {
    struct Case {
        std::vector<std::string> items;
        std::string name;
        int selected;
        std::string text;
    };
    const Case cases[] = {
        {{}, "Mincho", -1, "Mincho"},
        {{"Alpha", "Beta"}, "Beta", 1, "Beta"},
        {{"Alpha", "Beta"}, "beta", -1, "beta"},  // case counts
        {{"Alpha", "Beta", "Beta"}, "Beta", 1, "Beta"},
        {{"Alpha", "Beta"}, "Gamma", -1, "Gamma"},
    };
    for (const Case& c : cases) {
        SendMessageA(combo->Handle(), CB_RESETCONTENT, 0, 0);
        for (const std::string& item : c.items)
            SendMessageA(combo->Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        SendMessageA(combo->Handle(), CB_SETCURSEL, c.items.empty() ? -1 : 0, 0);
        combo->SelectFont(c.name);
        EXPECT_EQ(combo->ItemIndex(), c.selected) << c.name;
        EXPECT_EQ(combo->Text(), c.text) << c.name;
    }
}

class PopupTest : public ::testing::Test {
protected:
    void SetUp() override {
        LoadTestFonts();
        owner = CreateStandInMain(300, 200);
        popup = std::make_unique<GlyphPopup>(owner, unicode);
        popup->SetFaceName(kShapesFace);
    }
    void TearDown() override {
        popup.reset();
        DestroyWindow(owner);
    }
    HWND owner = nullptr;
    bool unicode = false;  // the numbering the popup's owner keeps
    std::unique_ptr<GlyphPopup> popup;
};

TEST_F(PopupTest, IsFiftyPixelsSquareOnEveryShowing) {
    EXPECT_EQ(popup->Font().lfHeight, 48);
    EXPECT_EQ(popup->Font().lfCharSet, SHIFTJIS_CHARSET);
    SetWindowPos(popup->Handle(), nullptr, 0, 0, 200, 100, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    popup->ShowAt(POINT{30, 40});
    RECT r{};
    GetWindowRect(popup->Handle(), &r);
    EXPECT_EQ(r.left, 30);
    EXPECT_EQ(r.top, 40);
    EXPECT_EQ(r.right - r.left, 50);
    EXPECT_EQ(r.bottom - r.top, 50);
    EXPECT_TRUE(popup->Showing());
    EXPECT_EQ(GetActiveWindow() == popup->Handle(), false);
    popup->Hide();
    EXPECT_FALSE(popup->Showing());
}

TEST_F(PopupTest, ShowsTheCharacterOfItsNumberingOrAGreyCross) {
    popup->ShowAt(POINT{0, 0});
    const RECT inside{18, 18, 32, 32};  // within the frame glyph's hole
    const COLORREF white = GetSysColor(COLOR_WINDOW);
    struct Case {
        const char* what;
        bool unicode;
        unsigned code;
        std::string text;
        bool inkInside;  // the solid block fills the middle; the frame does not
        bool cross;
    };
    const Case cases[] = {
        {"F040, solid block", false, 0, "\xF0\x40", true, false},
        {"F041, hollow frame", false, 0, "\xF0\x41", false, false},
        {"no character", false, 0, "", false, true},
        {"U+E000, solid block", true, 0xE000, "", true, false},
        {"U+E001, hollow frame", true, 0xE001, "\xF0\x40", false, false},
    };
    for (const Case& c : cases) {
        unicode = c.unicode;
        popup->SetGlyphCode(c.code);
        popup->glyphText = c.text;
        Picture picture(popup->Handle());
        ASSERT_EQ(picture.width(), 50);
        EXPECT_EQ(picture.At(49, 25), RGB(0, 0, 0)) << c.what << ": frame";
        EXPECT_EQ(picture.At(25, 49), RGB(0, 0, 0)) << c.what << ": frame";
        int ink = picture.InkCount(inside, white);
        if (c.inkInside) {
            EXPECT_GT(ink, 150) << c.what;
        } else {
            EXPECT_LT(ink, 20) << c.what;
        }
        bool cross = picture.At(10, 10) == RGB(192, 192, 192) && picture.At(39, 10) == RGB(192, 192, 192);
        EXPECT_EQ(cross, c.cross) << c.what;
        if (!c.cross && !c.inkInside) {  // the frame glyph: ink around the middle
            EXPECT_GT(picture.InkCount(RECT{2, 2, 48, 48}, white), 300) << c.what;
        }
    }
}

TEST_F(PopupTest, SetGlyphCodeOnlyInUnicodeNumbering) {
    unicode = true;
    popup->SetGlyphCode(0x1E123);
    EXPECT_EQ(popup->glyphCode, 0xE123);
    unicode = false;
    popup->SetGlyphCode(0xE456);
    EXPECT_EQ(popup->glyphCode, 0xE123);
}

}  // namespace
