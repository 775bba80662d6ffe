// The main window as it opens and as the user widens, narrows and tabs
// through it.
#include "engine/report/texts.h"
#include "tests/support/utf8.h"
#include "tests/ui_main_support.h"

#include <algorithm>

namespace ui_test {
namespace {

using testing_support::Sjis;

TEST_F(MainWindowTest, OpensNarrowWithItsInformationLines) {
    Open();
    HWND w = Main().Handle();
    // The version the usage text names too.
    EXPECT_EQ(Text(w), Sjis(u8"ミナモ Ver.3.0"));
    // No manual beside the program: no link to open one.
    EXPECT_FALSE(IsWindowVisible(Main().Control(MainWindow::kReadmeLink)));
    EXPECT_EQ(Client(w).cx, 482);
    EXPECT_EQ(Client(w).cy, 234);
    EXPECT_EQ(Text(Main().Control(MainWindow::kOptionsButton)), ">>");
    // Placed at the left edge 20, its top half the screen minus 234.
    EXPECT_EQ(Outer(w).left, 20);
    EXPECT_EQ(Outer(w).top, GetSystemMetrics(SM_CYSCREEN) / 2 - 234);
    const OSVERSIONINFOA& os = param->folders.os;
    EXPECT_EQ(Text(Main().Control(MainWindow::kSystemInfo)),
              "OS : Windows " + std::to_string(os.dwMajorVersion) + "." + std::to_string(os.dwMinorVersion) +
                  "\r\n" + Sjis(u8"インストール先フォルダ : ") + "\r\n" + param->folders.userData);
    EXPECT_EQ(SendMessageA(Main().Control(MainWindow::kSystemInfo), EM_GETLINECOUNT, 0, 0), 3);
    EXPECT_TRUE(boxes.messages.empty());
}

TEST_F(MainWindowTest, WidthButtonTogglesTheOptionArea) {
    Open();
    HWND w = Main().Handle();
    // 770, or wider where an option grew to show its caption in the font.
    const int wide = std::max(770, static_cast<int>(InParent(Main().Control(MainWindow::kOnlyNewerBox)).right));
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
        if (c.captionBefore) SetWindowTextA(Main().Control(MainWindow::kOptionsButton), c.captionBefore);
        // A height the user dragged is undone.
        ui::SetClientSize(w, Client(w).cx, 300);
        Click(Main().Control(MainWindow::kOptionsButton));
        EXPECT_EQ(Client(w).cx, c.width);
        EXPECT_EQ(Client(w).cy, 234);
        EXPECT_EQ(Text(Main().Control(MainWindow::kOptionsButton)), c.captionAfter);
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
        RECT memo = InParent(Main().Control(MainWindow::kSystemInfo));
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
    MakeFile("README.txt");  // the manual beside the program, as the release has it
    MainWindow& f = Open();
    ASSERT_EQ(f.Scale().Dpi(), 96u);
    const struct {
        HWND control;
        const char* caption;  // UTF-8; nullptr: not checked
        RECT rect;            // left, top, right, bottom in the client area
        bool grows = false;  // a caption that may widen or heighten it
    } controls[] = {
        // Its lines break between words, not inside インストール.
        {f.Control(MainWindow::kIntroduction),
         u8"ミナモは、Windowsの外字環境を別のPCに\r\nインストールするツールです。",
         {57, 8, 397, 38},
         true},
        {f.Control(MainWindow::kReadmeLink), u8"説明書 (README.txt)", {176, 39, 465, 54}, true},
        {f.Control(MainWindow::kOptionsButton), ">>", {442, 8, 475, 33}},
        {f.Control(MainWindow::kOperationGroup), u8"動作を選択してください", {8, 81, 465, 192}},
        // Laid out inside the group box, which starts at 8,81.
        {f.Control(MainWindow::kAcquireChoice), u8"システムの外字を選択したフォルダに取得する", {28, 110, 405, 127}, true},
        {f.Control(MainWindow::kInstallChoice), u8"選択したフォルダの外字をシステムにインストールする", {28, 133, 405, 150}, true},
        {f.Control(MainWindow::kFolderLabel), u8"フォルダ選択", {87, 161, 166, 176}, true},
        {f.Control(MainWindow::kFolderList), nullptr, {166, 157, 338, 180}},
        {f.Control(MainWindow::kNewFolderButton), u8"新規フォルダ", {344, 156, 438, 181}},
        {f.Control(MainWindow::kCodeTableButton), u8"外字コード表(&C)", {8, 198, 145, 223}},
        {f.Control(MainWindow::kRunButton), u8"実行(&R)", {309, 199, 384, 224}},
        {f.Control(MainWindow::kEndButton), u8"終了(&X)", {390, 198, 465, 223}},
        {f.Control(MainWindow::kNoOverwriteQuestionBox), u8"ファイル上書きの問い合わせをしない。", {503, 8, 748, 25}, true},
        {f.Control(MainWindow::kCopyEufBox), u8"*.EUFファイルもコピーする", {503, 31, 745, 48}, true},
        {f.Control(MainWindow::kOnlyNewerBox), u8"日付が新しい場合のみインストールする。", {503, 54, 772, 71}, true},
        {f.Control(MainWindow::kEudcOnButton), u8"外字有効", {503, 77, 629, 102}},
        {f.Control(MainWindow::kEudcOffButton), u8"外字無効", {635, 77, 761, 102}},
        {f.Control(MainWindow::kCommandHelpButton), u8"コマンドヘルプ", {503, 108, 629, 133}},
        {f.Control(MainWindow::kRegistryButton), u8"登録情報の表示", {635, 108, 761, 133}},
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
    EXPECT_TRUE(IsWindowVisible(f.Control(MainWindow::kReadmeLink)));
    EXPECT_FALSE(Checked(f.Control(MainWindow::kNoOverwriteQuestionBox)));
    EXPECT_TRUE(Checked(f.Control(MainWindow::kCopyEufBox)));
    EXPECT_TRUE(GetWindowLongPtrA(f.Control(MainWindow::kSystemInfo), GWL_STYLE) & ES_READONLY);
}

TEST_F(MainWindowTest, TabOrderFollowsTheLayout) {
    MakeFile("EUDC.TTE");  // every control enabled, install chosen
    MainWindow& f = Open();
    Click(f.Control(MainWindow::kOptionsButton));  // the option area too
    // Of the two radio buttons the chosen one is the tab stop.
    EXPECT_FALSE(GetWindowLongPtrA(f.Control(MainWindow::kAcquireChoice), GWL_STYLE) & WS_TABSTOP);
    const HWND order[] = {f.Control(MainWindow::kOptionsButton),     f.Control(MainWindow::kInstallChoice),  f.Control(MainWindow::kFolderList),   f.Control(MainWindow::kNewFolderButton),
                          f.Control(MainWindow::kCodeTableButton),   f.Control(MainWindow::kRunButton),      f.Control(MainWindow::kEndButton),    f.Control(MainWindow::kNoOverwriteQuestionBox),
                          f.Control(MainWindow::kCopyEufBox),        f.Control(MainWindow::kOnlyNewerBox),   f.Control(MainWindow::kEudcOnButton), f.Control(MainWindow::kEudcOffButton),
                          f.Control(MainWindow::kCommandHelpButton), f.Control(MainWindow::kRegistryButton), f.Control(MainWindow::kSystemInfo)};
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
        {f.Control(MainWindow::kReadmeLink), u8"ミナモの説明書 (README.txt) を開きます。使い方と終了コードの意味があります。"},
        {f.Control(MainWindow::kOptionsButton), u8"オプション機能の表示・非表示"},
        {f.Control(MainWindow::kFolderList),
         u8"(デフォルト) とは、「ミナモ」の実行ファイル（minamo.exe）が存在しているフォルダのことです。"},
        {f.Control(MainWindow::kNewFolderButton), u8"新規フォルダを (デフォルト) の直下に作成します。"},
        {f.Control(MainWindow::kCodeTableButton), u8"外字コード表の表示・非表示"},
        {f.Control(MainWindow::kEudcOnButton), eudcHint},
        {f.Control(MainWindow::kEudcOffButton), eudcHint},
        {f.Control(MainWindow::kCommandHelpButton), u8"コマンドラインの使い方を表示します。"},
        {f.Control(MainWindow::kRegistryButton), u8"現在の外字のレジストリ情報を表示します。"},
        {f.Control(MainWindow::kRunButton), ""},
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
        {Main().Control(MainWindow::kIntroduction), "MS UI Gothic", false},
        {Main().Control(MainWindow::kRunButton), "MS UI Gothic", false},
        {Main().Control(MainWindow::kReadmeLink), u8"ＭＳ Ｐゴシック", true},
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
    EXPECT_EQ(LOWORD(SendMessageA(f.Handle(), DM_GETDEFID, 0, 0)), GetDlgCtrlID(f.Control(MainWindow::kRunButton)));
    // Enter in the folder list presses the default button (an acquire with
    // no EUDC then says so).
    PressKey(f.Handle(), f.Control(MainWindow::kFolderList), VK_RETURN);
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(boxes.messages[0], texts::kNoSystemEudc);
    PressKey(f.Handle(), f.Control(MainWindow::kFolderList), VK_ESCAPE);
    EXPECT_TRUE(IsWindow(f.Handle()));
    EXPECT_EQ(boxes.messages.size(), 1u);
}

}  // namespace
}  // namespace ui_test
