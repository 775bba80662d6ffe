#include <gtest/gtest.h>

#include "engine/run/help.h"
#include "engine/report/texts.h"
#include "tests/support/test_support.h"
#include "tests/support/utf8.h"

using testing_support::FakeInteraction;
using testing_support::Sjis;

namespace {

TEST(Texts, RunsUnderTheJapaneseCodePage) { EXPECT_EQ(GetACP(), 932u); }

TEST(Texts, Format) {
    const struct {
        const char* pattern;
        std::string expected;
        std::string got;
    } cases[] = {
        {"%x%x", "F040", texts::Format("%x%x", {0xF0, 0x40})},
        {"%x", "0", texts::Format("%x", {0})},
        {"%x", "E757", texts::Format("%x", {0xE757})},
        {"%d.%d", "5.1", texts::Format("OS : Windows %d.%d", {5, 1}).substr(13)},
        {"%s", "a b", texts::Format("%s %s", {"a", std::string("b")})},
        {"100%%", "100%", texts::Format("100%%", {})},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, c.expected) << c.pattern;
}

TEST(Texts, UsageTextByteForByte) {
    const char* lines[] = {
        u8"外字インストーラ「ミナモ」 Ver 3.0",
        u8"  for Windows 98/Me/NT4.0/2000/XP/Vista",
        u8"  Windowsの外字環境をインストールするツール",
        u8"  <<コマンドラインの使い方>>",
        u8"  minamo [/g | /p | true | false ] [/d] [/et | /ef] [/f] [/s] [フォルダ名]",
        u8"    フォルダ名",
        u8"          操作の対象フォルダを指定します。",
        u8"          指定しない場合はカレントフォルダが対象となります。",
        u8"          カレントフォルダとは、minamo.exe が存在するフォルダです。",
        u8"    /g    実行したマシン上の外字ファイルを取得します。",
        u8"    /p    対象フォルダの外字ファイルをシステムにインストールします。",
        u8"    /d    対象フォルダの外字ファイルがシステムの外字よりも",
        u8"          新しい場合のみ、外字をインストールします。(/p と併用のこと)",
        u8"    /et   *.euf ファイルを操作の対象とします。",
        u8"    /ef   *.euf ファイルを操作の対象にしません。",
        u8"    /f    ファイルの上書きの問い合わせをしません。",
        u8"    /s    処理中処理後のメッセージをすべて出しません。",
        u8"    false 外字を無効にします。（他オプションとの併用は不可）",
        u8"    true  外字を有効にします。（他オプションとの併用は不可）",
        u8"    /h /help このメッセージを表示します。",
        u8"",
    };
    std::string expected;
    for (const char* line : lines) expected += Sjis(line) + "\r\n";
    expected += std::string(texts::kCopyright) + "\r\n";

    Notifier notifier(false, true);
    FakeInteraction boxes;
    ShowHelp(notifier);
    ASSERT_EQ(boxes.messages.size(), 1u);
    const std::string& shown = boxes.messages[0];
    // The first release's text, to its copyright line, as scripts and
    // manuals have quoted it.
    ASSERT_GT(shown.size(), expected.size());
    EXPECT_EQ(shown.substr(0, expected.size()), expected);
    EXPECT_NE(expected.find("Copyright"), std::string::npos);
    // Then a line for each switch that came later, each at the start of
    // its line; every line ends with CR LF.
    const std::string later = shown.substr(expected.size());
    for (const char* form : {"/v ", "/remove ", "/undo ", "/map ", "/ref:", "/keep ", "/log:", "/convert "})
        EXPECT_NE(later.find("\r\n    " + std::string(form)), std::string::npos) << form;
    EXPECT_EQ(later.substr(later.size() - 2), "\r\n");
    EXPECT_EQ(later.find("\r\n\r\n", 2), std::string::npos);
}

TEST(Texts, MessagesByteForByte) {
    const struct {
        const char* got;
        const char* utf8;
    } cases[] = {
        {texts::kStateOn, u8"有効"},
        {texts::kRefuseLocation, u8"ミナモをこのフォルダに置いて実行してはいけません。"},
        {texts::kAcquireFailed, u8"外字を取得できませんでした。"},
        {texts::kLatestInstalled, u8"最新の外字がインストールされています。"},
        {texts::kRegistryFailed, u8"レジストリにアクセスできませんでした。"},
        {texts::kNoLinkFont, u8"外字をリンクするフォントがインストールされていません"},
        {texts::kAcquireCancelled, u8"外字の取得を中止しました。"},
        {texts::kInstallCancelled, u8"外字のインストールを中止しました。"},
        {texts::kInfoIncomplete, u8"外字情報ファイル(EUDC.INI)が不完全です。"},
        {texts::kInfoMissing, u8"外字情報ファイル(EUDC.INI)が見つかりません。\r\n指定されたフォルダが存在しないか、書き込み許可がありません。"},
        {texts::kNoSourceFiles, u8"コピー元に外字ファイルが存在していません。"},
        {texts::kNoSystemEudc, u8"システムに外字が存在しないため処理を中止しました。"},
        {texts::kOverwriteQuestion, u8"選択したフォルダには同じ名前の外字ファイルが存在します。上書きしますか"},
        {texts::kReplaceQuestion, u8"この操作によって現在の外字は失われ、新しい外字に置き換わります。よろしいですか。"},
        {texts::kAcquireClosing, u8"ミナモを終了し、次にコピー先のマシンで実行してください。"},
        {texts::kInstallFailed, u8"外字ファイルのインストールは失敗しました。"},
        {texts::kInstallFailedCheckSource, u8"コピー元のファイルが存在するかどうか"},
        {texts::kInstallFailedUserFolder, u8"ユーザーフォルダに書き込みできません。"},
        {texts::kInstallFailedPleaseCheck, u8"確認してください。"},
        {texts::kNonStandardQuestion, u8"%sしようとした外字に、Windows標準ではないと思われるものが含まれています。\r\nこの外字は%s使用できない可能性があります。\r\nかまわずに%sしますか"},
    };
    for (const auto& c : cases) EXPECT_EQ(std::string(c.got), Sjis(c.utf8)) << c.utf8;
}

}  // namespace
