#include "engine/report/texts.h"

namespace texts {

const char* const kRefuseLocation = "ミナモをこのフォルダに置いて実行してはいけません。";
const char* const kEudcSwitched = "外字を%sにしました";
const char* const kStateOn = "有効";
const char* const kStateOff = "無効";

const char* const kCopyright = "Copyright (C) 2026 ミナモ開発チーム";

namespace {
// The version is the project's (CMakeLists.txt), as the caption's.
const char* const kUsageTitle = "外字インストーラ「ミナモ」 Ver " MINAMO_VERSION;
}  // namespace

const char* const kUsageLines[] = {
    kUsageTitle,
    "  for Windows 98/Me/NT4.0/2000/XP/Vista",
    "  Windowsの外字環境をインストールするツール",
    "  <<コマンドラインの使い方>>",
    "  minamo [/g | /p | true | false ] [/d] [/et | /ef] [/f] [/s] [フォルダ名]",
    "    フォルダ名",
    "          操作の対象フォルダを指定します。",
    "          指定しない場合はカレントフォルダが対象となります。",
    "          カレントフォルダとは、minamo.exe が存在するフォルダです。",
    "    /g    実行したマシン上の外字ファイルを取得します。",
    "    /p    対象フォルダの外字ファイルをシステムにインストールします。",
    "    /d    対象フォルダの外字ファイルがシステムの外字よりも",
    "          新しい場合のみ、外字をインストールします。(/p と併用のこと)",
    "    /et   *.euf ファイルを操作の対象とします。",
    "    /ef   *.euf ファイルを操作の対象にしません。",
    "    /f    ファイルの上書きの問い合わせをしません。",
    "    /s    処理中処理後のメッセージをすべて出しません。",
    "    false 外字を無効にします。（他オプションとの併用は不可）",
    "    true  外字を有効にします。（他オプションとの併用は不可）",
    "    /h /help このメッセージを表示します。",
    "",
    kCopyright,
    // The switches that came later, after the text scripts and manuals
    // have quoted since the first release.
    "",
    "  <<追加のスイッチ>>",
    "  minamo [/v | /remove | /undo | /map] [/keep] [/log:ファイル名] [/ref:フォント] [フォルダ名]",
    "    /v    対象フォルダの外字がこのマシンにインストールされているか調べます。",
    "          (何も変更しません。インストール済みなら 0、違えば 13 で終了)",
    "    /remove 対象フォルダの外字をこのマシンから削除します。(/undo で取り消せます)",
    "    /undo 直前のインストールで置き換えた外字を元に戻します。",
    "          (/remove の後では、削除を取り消します)",
    "    /map  外字ごとに形の似た標準の文字を対応表 EUDCMAP.CSV に書き出します。",
    "          (フォルダ名を指定しない場合は、このマシンの外字が対象です)",
    "    /ref:フォント /map で比べる参照フォントのファイルを指定します。",
    "    /keep 外字がなくなるか変わるインストールはしません。(/p と併用)",
    "    /log:ファイル名 実行の記録をファイルに1行追記します。",
    "    /convert [/s] [/map:対応表] [/out:出力フォルダ] 変換元",
    "          変換元のファイル（フォルダなら中の .txt .csv .tsv .sql .xml .html）の",
    "          外字を対応表の Chosen の文字に置き換え、出力フォルダに書きます。",
    "          (変換元は変更しません。すべて置き換えたら 0、残れば 16 で終了)",
    "    /convert /scan [/out:出力フォルダ] 変換元",
    "          使われている外字の一覧 SCANNED.CSV を出力フォルダに書きます。",
    "    /convert /back [/out:出力フォルダ] 変換したフォルダ",
    "          CONVERTED.CSV の記録どおりに外字を元の文字コードで戻します。",
    nullptr,
};
const char* const kUnknownSwitch = "%s というスイッチはありません。何も実行しませんでした。";
const char* const kAcquireFailed = "外字を取得できませんでした。";
const char* const kAcquireCancelled = "外字の取得を中止しました。";
const char* const kNoSystemEudc = "システムに外字が存在しないため処理を中止しました。";
const char* const kAcquireClosing = "ミナモを終了し、次にコピー先のマシンで実行してください。";
const char* const kAcquiredLine = "を取得しました。";
const char* const kNotFoundLine = "は見つかりません。";
const char* const kInstalledLine = "をインストールしました。";
const char* const kOverwriteQuestion =
    "選択したフォルダには同じ名前の外字ファイルが存在します。上書きしますか";
const char* const kReplaceQuestion =
    "この操作によって現在の外字は失われ、新しい外字に置き換わります。よろしいですか。";
const char* const kNonStandardQuestion =
    "%sしようとした外字に、Windows標準ではないと思われるものが含まれています。\r\n"
    "この外字は%s使用できない可能性があります。\r\n"
    "かまわずに%sしますか";
const char* const kOperationAcquire = "取得";
const char* const kOperationInstall = "インストール";
const char* const kOnOtherMachines = "他のマシンでは";
const char* const kAcquireProgressTitle = "外字ファイルの取得";
const char* const kInstallProgressTitle = "外字のインストール";
const char* const kInstallFailed = "外字ファイルのインストールは失敗しました。";
const char* const kInstallFailedCheckSource = "コピー元のファイルが存在するかどうか";
const char* const kInstallFailedUserFolder = "ユーザーフォルダに書き込みできません。";
const char* const kInstallFailedPleaseCheck = "確認してください。";
const char* const kFailedAtLine = "失敗した場所: %s";
const char* const kFailureReasonLine = "理由: %s（エラー %s）";
const char* const kLatestInstalled = "最新の外字がインストールされています。";
const char* const kRegistryFailed = "レジストリにアクセスできませんでした。";
const char* const kNoLinkFont = "外字をリンクするフォントがインストールされていません";
const char* const kInstallCancelled = "外字のインストールを中止しました。";
const char* const kInfoIncomplete = "外字情報ファイル(EUDC.INI)が不完全です。";
const char* const kInfoMissing =
    "外字情報ファイル(EUDC.INI)が見つかりません。\r\n"
    "指定されたフォルダが存在しないか、書き込み許可がありません。";
const char* const kNoSourceFiles = "コピー元に外字ファイルが存在していません。";
const char* const kFolderNotThere = "フォルダ %s がありません。フォルダ名を確かめてください。";
const char* const kFolderUnreachable = "%s に接続できません。";
const char* const kFolderHoldsNoSet =
    "フォルダ %s には EUDC.INI も EUDC.TTE もありません。取得したフォルダ (minamo /g) を指定してください。";
const char* const kLinkSkipped = "%s は、外字ファイル %s がないためリンクしませんでした。";
const char* const kFolderUnspelled =
    "フォルダ %s は、シフトJISで表せない文字（?の所）を名前に含み、短い名前（8.3形式）もないため使えません。";
const char* const kEmptyLinkLine = "%s のリンク先の外字ファイルは見つかりません（レジストリの値が空です）。";
const char* const kInstallBusy =
    "ほかの外字のインストールが実行中のため、インストールできませんでした。\r\n"
    "しばらくしてからもう一度実行してください。";
const char* const kNotRestoredLine = "%s を元に戻せませんでした。元のファイルは %s にあります。";
const char* const kSetAsideLine =
    "作業フォルダ %s は、記録が読めないか中身と合わないため、何も消さずに %s に残しました。";
const char* const kFolderTooLong = "ユーザーフォルダ %s のパスが長すぎるため、外字ファイルを置けません。";
const char* const kCharactersOfFont = "%s の外字: ";
const char* const kPartJoint = "、";
const char* const kWouldLose = "なくなる %d 字%s";
const char* const kWouldChange = "変わる %d 字%s";
const char* const kWouldAdd = "増える %d 字%s";
const char* const kLost = "なくなった %d 字%s";
const char* const kChanged = "変わった %d 字%s";
const char* const kAdded = "増えた %d 字%s";
const char* const kBackupBeforeQuestion =
    "置き換える外字ファイルはバックアップとして %s に残します（minamo /undo で元に戻せます）。";
const char* const kMoreLines = "ほか %d 個";
const char* const kNoFontReplacesLine =
    "%s の外字: 新しいファイルはフォントとして読めないため、%d 字すべてがなくなります%s";
const char* const kNoFontReplacedLine =
    "%s の外字: 新しいファイルはフォントとして読めないため、%d 字すべてがなくなりました%s";
const char* const kCharactersKept =
    "インストールすると外字がなくなるか変わるため、何もインストールしませんでした（/keep）。";
const char* const kAcquiredCharacters = "%s には外字が %d 字あります。";
const char* const kUnexpectedFailure = "予期しないエラー（%s）のため、処理を中止しました。";
const char* const kNoBackup = "元に戻すためのバックアップがありません。";
const char* const kNothingChanged =
    "変更はありません。インストール済みの外字ファイルとリンクは、このフォルダの外字と同じです。";
const char* const kRemoved = "%s の外字をこの PC から削除しました。元に戻すには /undo を実行します。";
const char* const kNothingToRemove = "%s の外字はこの PC にはありません。削除するものはありません。";
const char* const kRemoveFailed = "外字を削除できませんでした。";
const char* const kRemoveLinkRestored = "%s のリンクを %s に戻しました。";
const char* const kRemoveLinkDeleted = "%s のリンクを削除しました。";
const char* const kRemoveFileKept = "%s をバックアップ %s に移しました。";
const char* const kVerifyHasSet = "この PC には %s の外字がインストールされています。";
const char* const kVerifyLacksSet = "この PC には %s の外字がそのとおりにはインストールされていません。";
const char* const kVerifyMissingFile = "%s がありません。";
const char* const kVerifyOtherBytes = "%s の内容が %s と違います。";
const char* const kVerifyNoLink = "%s のリンクがありません（%s にリンクするはずです）。";
const char* const kVerifyOtherLink = "%s のリンクが %s を指しています（%s にリンクするはずです）。";
const char* const kVerifyMend = "直すには minamo /p \"%s\" を実行します。";
const char* const kVerifyMendOtherBytes =
    "内容の違うファイルは、サイズと更新日時がセットのものと同じならインストールでは置き換わりません。先にそのファイルを削除してください。";
const char* const kFaceNotAcquired =
    "%s のリンクは、EUDC.INI に書けない名前のため取得しませんでした。";

std::string CrLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += "\r" + line;
    return text;
}

std::vector<std::string> ShownLines(const std::vector<std::string>& lines) {
    if (lines.size() <= kLinesShownWhole) return lines;
    std::vector<std::string> shown(lines.begin(), lines.begin() + kLinesShownHead);
    shown.push_back(Format(kMoreLines, {lines.size() - kLinesShownHead}));
    return shown;
}

std::string ShownCrLines(const std::vector<std::string>& lines) { return CrLines(ShownLines(lines)); }

std::string Format(const char* pattern, std::initializer_list<FormatArg> args) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    auto next = args.begin();
    for (const char* p = pattern; *p; ++p) {
        if (*p != '%' || !p[1]) {
            out += *p;
            continue;
        }
        char kind = *++p;
        if (kind == '%') {
            out += '%';
            continue;
        }
        if (next == args.end()) continue;  // a placeholder without argument stays empty
        const FormatArg& a = *next++;
        if (kind == 's' && a.isText) {
            out += a.text;
        } else if (kind == 'x') {
            unsigned long long v = static_cast<unsigned long long>(a.number);
            std::string hex;
            do {
                hex.insert(hex.begin(), digits[v % 16]);
                v /= 16;
            } while (v);
            out += hex;
        } else {
            out += std::to_string(a.number);
        }
    }
    return out;
}

}  // namespace texts
