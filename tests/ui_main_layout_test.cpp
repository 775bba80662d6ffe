// The main window as it opens and as the user widens, narrows and tabs
// through it.
#include "engine/texts.h"
#include "tests/support/utf8.h"
#include "tests/ui_main_support.h"

#include <algorithm>

namespace ui_test {
namespace {

using testing_support::Sjis;

TEST_F(MainWindowTest, OpensNarrowWithItsInformationLines) {
    Open();
    HWND w = Main().Handle();
    EXPECT_EQ(Text(w), Sjis(u8"ミナモ Ver.3.0 β2"));
    EXPECT_EQ(Client(w).cx, 482);
    EXPECT_EQ(Client(w).cy, 234);
    EXPECT_EQ(Text(Main().optionsButton), ">>");
    // Placed at the left edge 20, its top half the screen minus 234.
    EXPECT_EQ(Outer(w).left, 20);
    EXPECT_EQ(Outer(w).top, GetSystemMetrics(SM_CYSCREEN) / 2 - 234);
    const OSVERSIONINFOA& os = param->folders.os;
    EXPECT_EQ(Text(Main().systemInfo),
              "OS : Windows " + std::to_string(os.dwMajorVersion) + "." + std::to_string(os.dwMinorVersion) +
                  "\r\n" + Sjis(u8"インストール先フォルダ : ") + "\r\n" + param->folders.userData);
    EXPECT_EQ(SendMessageA(Main().systemInfo, EM_GETLINECOUNT, 0, 0), 3);
    EXPECT_TRUE(boxes.messages.empty());
}

TEST_F(MainWindowTest, WidthButtonTogglesTheOptionArea) {
    Open();
    HWND w = Main().Handle();
    // 770, or wider where an option grew to show its caption in the font.
    const int wide = std::max(770, static_cast<int>(InParent(Main().onlyNewerBox).right));
    const struct {
        const char* captionBefore;  // nullptr: as the window left it
        int width;
        const char* captionAfter;
    } clicks[] = {
        {nullptr, wide, "<<"},
        {nullptr, 482, ">>"},
        {nullptr, wide, "<<"},
        {"xx", 482, ">>"},  // anything but ">>" counts as wide
        {">>", wide, "<<"},
    };
    for (const auto& c : clicks) {
        if (c.captionBefore) SetWindowTextA(Main().optionsButton, c.captionBefore);
        // A height the user dragged is undone.
        ui::SetClientSize(w, Client(w).cx, 300);
        Click(Main().optionsButton);
        EXPECT_EQ(Client(w).cx, c.width);
        EXPECT_EQ(Client(w).cy, 234);
        EXPECT_EQ(Text(Main().optionsButton), c.captionAfter);
    }
}

TEST_F(MainWindowTest, MemoKeepsItsMarginsAsTheWindowChanges) {
    Open();
    HWND w = Main().Handle();
    const struct {
        int width, height;
        int memoWidth, memoHeight;
    } sizes[] = {
        {770, 234, 257, 80},
        {900, 300, 387, 146},
        {600, 200, 87, 46},
    };
    for (const auto& s : sizes) {
        ui::SetClientSize(w, s.width, s.height);
        RECT memo = InParent(Main().systemInfo);
        EXPECT_EQ(memo.left, 503);
        EXPECT_EQ(memo.top, 139);
        EXPECT_EQ(memo.right - memo.left, s.memoWidth) << s.width;
        EXPECT_EQ(memo.bottom - memo.top, s.memoHeight) << s.height;
    }
}

// At 96 DPI every control sits as laid out; labels and check boxes grow
// (never shrink or move) where the font draws their caption wider or taller.
TEST_F(MainWindowTest, ControlsSitWhereLaidOutWithTheirCaptions) {
    MakeFile("EUDC.TTE");
    MainWindow& f = Open();
    ASSERT_EQ(f.Scale().Dpi(), 96u);
    const struct {
        HWND control;
        const char* caption;  // UTF-8; nullptr: not checked
        RECT rect;            // left, top, right, bottom in the client area
        bool grows = false;  // a caption that may widen or heighten it
    } controls[] = {
        {f.introduction,
         u8"ミナモは、Windowsの外字環境を別のPCにインストールするツールです。",
         {57, 8, 397, 38},
         true},
        {f.supportLink, "https://minamo.example.org/support", {176, 39, 465, 54}, true},
        {f.optionsButton, ">>", {442, 8, 475, 33}},
        {f.operationGroup, u8"動作を選択してください", {8, 81, 465, 192}},
        // Laid out inside the group box, which starts at 8,81.
        {f.acquireChoice, u8"システムの外字を選択したフォルダに取得する", {28, 110, 405, 127}, true},
        {f.installChoice, u8"選択したフォルダの外字をシステムにインストールする", {28, 133, 405, 150}, true},
        {f.folderLabel, u8"フォルダ選択", {87, 161, 166, 176}, true},
        {f.folderList, nullptr, {166, 157, 338, 180}},
        {f.newFolderButton, u8"新規フォルダ", {344, 156, 438, 181}},
        {f.codeTableButton, u8"外字コード表(&C)", {8, 198, 145, 223}},
        {f.runButton, u8"実行(&R)", {309, 199, 384, 224}},
        {f.endButton, u8"終了(&X)", {390, 198, 465, 223}},
        {f.noOverwriteQuestionBox, u8"ファイル上書きの問い合わせをしない。", {503, 8, 748, 25}, true},
        {f.copyEufBox, u8"*.EUFファイルもコピーする", {503, 31, 745, 48}, true},
        {f.onlyNewerBox, u8"日付が新しい場合のみインストールする。", {503, 54, 772, 71}, true},
        {f.eudcOnButton, u8"外字有効", {503, 77, 629, 102}},
        {f.eudcOffButton, u8"外字無効", {635, 77, 761, 102}},
        {f.commandHelpButton, u8"コマンドヘルプ", {503, 108, 629, 133}},
        {f.registryButton, u8"登録情報の表示", {635, 108, 761, 133}},
    };
    for (const auto& c : controls) {
        if (c.caption) {
            EXPECT_EQ(Text(c.control), Sjis(c.caption));
        }
        RECT r = InParent(c.control), both;
        UnionRect(&both, &r, &c.rect);
        if (!c.grows || !EqualRect(&both, &r)) {
            EXPECT_EQ(r.left, c.rect.left) << Text(c.control);
            EXPECT_EQ(r.top, c.rect.top) << Text(c.control);
            EXPECT_EQ(r.right, c.rect.right) << Text(c.control);
            EXPECT_EQ(r.bottom, c.rect.bottom) << Text(c.control);
        }
    }
    EXPECT_FALSE(Checked(f.noOverwriteQuestionBox));
    EXPECT_TRUE(Checked(f.copyEufBox));
    EXPECT_TRUE(GetWindowLongPtrA(f.systemInfo, GWL_STYLE) & ES_READONLY);
}

TEST_F(MainWindowTest, TabOrderFollowsTheLayout) {
    MakeFile("EUDC.TTE");  // every control enabled, install chosen
    MainWindow& f = Open();
    Click(f.optionsButton);  // the option area too
    // Of the two radio buttons the chosen one is the tab stop.
    EXPECT_FALSE(GetWindowLongPtrA(f.acquireChoice, GWL_STYLE) & WS_TABSTOP);
    const HWND order[] = {f.optionsButton,     f.installChoice,  f.folderList,   f.newFolderButton,
                          f.codeTableButton,   f.runButton,      f.endButton,    f.noOverwriteQuestionBox,
                          f.copyEufBox,        f.onlyNewerBox,   f.eudcOnButton, f.eudcOffButton,
                          f.commandHelpButton, f.registryButton, f.systemInfo};
    HWND at = order[0];
    for (size_t i = 1; i < sizeof order / sizeof order[0]; ++i) {
        at = GetNextDlgTabItem(f.Handle(), at, FALSE);
        EXPECT_EQ(at, order[i]) << "tab stop " << i << " is " << Text(at);
    }
    EXPECT_EQ(GetNextDlgTabItem(f.Handle(), at, FALSE), order[0]);
}

TEST_F(MainWindowTest, HintsNameWhatTheControlsDo) {
    MainWindow& f = Open();
    const char* eudcHint = u8"外字コード表を表示しながらこのボタンをクリックしてみてください。";
    const struct {
        HWND control;
        const char* hint;
    } hints[] = {
        {f.supportLink, u8"サポートサイトにアクセスします。"},
        {f.optionsButton, u8"オプション機能の表示・非表示"},
        {f.folderList,
         u8"(デフォルト) とは、「ミナモ」の実行ファイル（minamo.exe）が存在しているフォルダのことです。"},
        {f.newFolderButton, u8"新規フォルダを (デフォルト) の直下に作成します。"},
        {f.codeTableButton, u8"外字コード表の表示・非表示"},
        {f.eudcOnButton, eudcHint},
        {f.eudcOffButton, eudcHint},
        {f.commandHelpButton, u8"コマンドラインの使い方を表示します。"},
        {f.registryButton, u8"現在の外字のレジストリ情報を表示します。"},
        {f.runButton, ""},
    };
    for (const auto& h : hints)
        EXPECT_EQ(testing_support::HintText(f.Handle(), h.control), Sjis(h.hint)) << Text(h.control);
}

TEST_F(MainWindowTest, FontsAreTheLaidOutFaces) {
    Open();
    const struct {
        HWND control;
        const char* face;
        bool underline;
    } fonts[] = {
        {Main().introduction, "MS UI Gothic", false},
        {Main().runButton, "MS UI Gothic", false},
        {Main().supportLink, u8"ＭＳ Ｐゴシック", true},
    };
    for (const auto& f : fonts) {
        LOGFONTA lf = {};
        HFONT font = reinterpret_cast<HFONT>(SendMessageA(f.control, WM_GETFONT, 0, 0));
        ASSERT_TRUE(GetObjectA(font, sizeof lf, &lf));
        EXPECT_EQ(std::string(lf.lfFaceName), Sjis(f.face));
        EXPECT_EQ(lf.lfHeight, -15);
        EXPECT_EQ(lf.lfCharSet, SHIFTJIS_CHARSET);
        EXPECT_EQ(lf.lfUnderline != 0, f.underline);
    }
}

TEST_F(MainWindowTest, EnterRunsAndEscapeLeavesTheWindowOpen) {
    MainWindow& f = Open();
    EXPECT_EQ(LOWORD(SendMessageA(f.Handle(), DM_GETDEFID, 0, 0)), GetDlgCtrlID(f.runButton));
    // Enter in the folder list presses the default button: the options go
    // into the run parameters (an acquire with no EUDC then says so).
    Click(f.noOverwriteQuestionBox);
    PressKey(f.Handle(), f.folderList, VK_RETURN);
    EXPECT_FALSE(param->options.confirm);
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(boxes.messages[0], texts::kNoSystemEudc);
    PressKey(f.Handle(), f.folderList, VK_ESCAPE);
    EXPECT_TRUE(IsWindow(f.Handle()));
    EXPECT_EQ(boxes.messages.size(), 1u);
}

}  // namespace
}  // namespace ui_test
