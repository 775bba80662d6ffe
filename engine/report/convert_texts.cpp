#include "engine/report/convert_texts.h"

namespace texts {

const char* const kConvertDone = "%d 個のファイルを変換し、外字 %d 文字を置き換えました。\r\n出力先: %s";
const char* const kConvertCharactersLeft = "置き換えなかった外字が %d 文字あります（CONVERTED.CSV に記録）。";
const char* const kConvertLeftLine = "%s (%s) %d 文字: %s";
const char* const kConvertFilesSkipped = "変換しなかったファイルが %d 個あります。";
const char* const kConvertSkippedLine = "%s: %s";
const char* const kScanDone = "%d 個のファイルに外字が %d 種類、%d 文字ありました。\r\n一覧: %s";
const char* const kBackDone = "%d 個のファイルに外字 %d 文字を戻しました。\r\n出力先: %s";
const char* const kBackMissed = "記録の場所に記録どおりの文字がなく、戻さなかった外字が %d 文字あります。";
const char* const kConvertNoMap = "対応表 %s を読めません（%s）。何も変換しませんでした。";
const char* const kConvertNoSource = "変換元 %s が見つからないか、読めません。何も変換しませんでした。";
const char* const kConvertNoRecord = "変換の記録 %s を読めません（%s）。何も戻しませんでした。";
const char* const kConvertOutputInside =
    "出力先 %s が変換元 %s の中にあります。別のフォルダを /out: で指定してください。何も書きませんでした。";
const char* const kConvertOutputUsed =
    "出力先 %s にはすでに %s があります。上書きしないため、何も書きませんでした。";
const char* const kConvertOutputRefused = "出力先 %s を作れません（%s）。何も書きませんでした。";
const char* const kFileNotText = "テキストではありません";
const char* const kFileCannotOpen = "開けません";
const char* const kFileCannotRead = "読めません";
const char* const kFileCannotWrite = "書けません";
const char* const kFileRecordNotWritten = "記録を書けません";
const char* const kFileUnspelled = "名前をこの PC の文字コードで表せません";
const char* const kFileLeavesFolder = "記録のパスがフォルダの外を指しています";

}  // namespace texts
