#include "ui/window_texts.h"

// Main window.
namespace texts {

// The version is the project's (CMakeLists.txt), as the usage text's.
const char* const kMainCaption = "ミナモ Ver." MINAMO_VERSION;
const char* const kMainFontFace = "MS UI Gothic";
const char* const kLinkFontFace = "ＭＳ Ｐゴシック";
// The introduction in its phrases: its lines break between them, never
// inside a word ("インストー" / "ル").
const char* const kIntroductionPhrases[] = {
    "ミナモは、", "Windowsの", "外字環境を", "別の", "PCに", "インストールする", "ツールです。", nullptr,
};
// The program's own manual, which the release puts beside minamo.exe: no
// support site exists to send anyone to.
const char* const kReadmeFile = "README.txt";
const char* const kReadmeLinkCaption = "説明書 (README.txt)";
const char* const kReadmeHint = "ミナモの説明書 (README.txt) を開きます。使い方と終了コードの意味があります。";
const char* const kMainWindowFailed = "ミナモのウィンドウを開けませんでした。";
const char* const kWidenCaption = ">>";
const char* const kNarrowCaption = "<<";
const char* const kOptionsHint = "オプション機能の表示・非表示";
const char* const kOperationGroup = "動作を選択してください";
const char* const kAcquireCaption = "システムの外字を選択したフォルダに取得する";
const char* const kInstallCaption = "選択したフォルダの外字をシステムにインストールする";
const char* const kFolderLabel = "フォルダ選択";
const char* const kFolderHint =
    "(デフォルト) とは、「ミナモ」の実行ファイル（minamo.exe）が存在しているフォルダのことです。";
const char* const kNewFolderCaption = "新規フォルダ";
const char* const kNewFolderHint = "新規フォルダを (デフォルト) の直下に作成します。";
const char* const kCodeTableButtonCaption = "外字コード表(&C)";
const char* const kCodeTableButtonHint = "外字コード表の表示・非表示";
const char* const kRunCaption = "実行(&R)";
const char* const kEndCaption = "終了(&X)";
const char* const kNoOverwriteQuestionCaption = "ファイル上書きの問い合わせをしない。";
const char* const kCopyEufCaption = "*.EUFファイルもコピーする";
const char* const kOnlyNewerCaption = "日付が新しい場合のみインストールする。";
const char* const kEudcOnCaption = "外字有効";
const char* const kEudcOffCaption = "外字無効";
const char* const kEudcButtonHint =
    "外字コード表を表示しながらこのボタンをクリックしてみてください。";
const char* const kCommandHelpCaption = "コマンドヘルプ";
const char* const kCommandHelpHint = "コマンドラインの使い方を表示します。";
const char* const kRegistryButtonCaption = "登録情報の表示";
const char* const kRegistryButtonHint = "現在の外字のレジストリ情報を表示します。";
const char* const kOsLine = "OS : Windows %d.%d";
const char* const kInstallFolderLine = "インストール先フォルダ : ";
const char* const kFolderMissing = "指定されたフォルダ %s は存在しません。";

const char* const kDefaultFolder = "(デフォルト)";
const char* const kNewFolderDialogCaption = "新規フォルダ作成";
const char* const kOkCaption = "OK";
const char* const kCancelCaption = "キャンセル";
const char* const kNewFolderPurpose = "外字を取得するための下位フォルダを作成します。";
const char* const kNewFolderPrompt = "新しく作成するフォルダの名前を入力してください。";
const char* const kFolderNotAllowed = "%s というフォルダは指定できません。";
const char* const kFolderExists = "%s はすでに存在しています。";
const char* const kFolderCreated = "新しいフォルダ %s を作成しました。";
const char* const kFolderCreateFailed =
    "フォルダ %s を作成できませんでした。\r\n"
    "(\\:*?\"<>| は使用できません。)";

const char* const kRegistryWindowCaption = "現在の外字の登録情報";
const char* const kRegistryFontFace = "Tahoma";
const char* const kRegistryPlaceholder = "Memo1";

}  // namespace texts

// Code table.
namespace texts {
const char* const kCodeTableCaption = "インストールされている外字";
const char* const kGlyphPopupCaption = "外字";
const char* const kCandidateCaption = "外字の候補";
const char* const kCandidateProgress = "参照フォントの形を調べています (その間も操作できます)\r\n%d / %d";
const char* const kCandidateCodeFormat = "%s / U+%x";
const char* const kCandidateCounts = "決定 %d 文字 / 残り %d 文字";
const char* const kCandidateUndecided = "未決定";
const char* const kCandidateDecided = "決定: %s";
const char* const kCandidateDecidedNone = "決定: 標準の文字なし";
const char* const kCandidateBadCode = "%s は標準の文字のコードとして読めません。U+9AD9 や U+845B U+E0102 のように入力してください。";
const char* const kCandidateAllDecided = "すべての文字が決まりました。";
const char* const kCandidateKeys = "1～5: その候補に決める　N: 標準の文字なし　Tab: コードを入力 (Enter で決定)\r\nSpace: 次の未決定の文字";
const char* const kCandidateNoTwin = "よく似た標準の文字は見つかりませんでした。";
const char* const kCandidateVerdictSame = "判定: same（標準の文字と同じ字形です）";
const char* const kCandidateVerdictCheck = "判定: check（候補が正しいか人が確かめてください）";
const char* const kCandidateVerdictNone = "判定: none（対応する標準の文字がありません）";
const char* const kCandidateCopy = "コピー";
const char* const kCandidateSaveMap = "マップを保存";
const char* const kFaceMincho = "ＭＳ 明朝";
const char* const kFacePGothic = "ＭＳ Ｐゴシック";
const char* const kCodeSystemSjis = "シフトJIS";
const char* const kCodeSystemUnicode = "unicode";
const char* const kColumnHeaderFormat = "%x";
const char* const kRowHeaderFormat = "%x%x";
const char* const kCodeLabel = "コード ";
const char* const kCodeSjisFormat = ": %x%x";
const char* const kCodeUnicodeFormat = ": %x";
const char* const kCodeNone = ": ";
const char* const kFileLabel = "FILE: ";
const char* const kCharacterCountFormat = "外字 %d 字";
}  // namespace texts
