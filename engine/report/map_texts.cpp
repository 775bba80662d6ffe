#include "engine/report/map_texts.h"

namespace texts {

const char* const kMapWritten =
    "外字と標準の文字の対応表を %s に書き出しました。\r\n外字 %d 文字のうち、似た文字の見つからないもの %d 文字。";
const char* const kMapNoReference =
    "比べる漢字のフォントが見つかりません。IPAmj明朝をインストールするか、/ref:フォントファイル で指定してください。";
const char* const kMapReferenceUnread = "参照フォント %s を読めません。";
const char* const kMapNotTrueType = "参照フォント %s は TrueType フォントではありません。";
const char* const kMapNoIdeographs = "参照フォント %s には漢字がありません。";
const char* const kMapNotWritten = "対応表 %s を書き込めません。";
const char* const kMapFontSkipped = "%s は文字の表が壊れているため、参照フォントにしませんでした。";
const char* const kMapUnreadable =
    "対応表 %s を読めません。書かれた決定を失わないよう、この対応表には書き込みません。"
    "CSV として保存し直すか、別の名前に変えてください。";
const char* const kMapDecisionsKept = "\r\n決めた文字 %d 文字の決定を引き継ぎました。";
const char* const kMapDecisionsCleared = "\r\n外字の形が変わった、またはなくなった %d 文字の決定を消しました。";
const char* const kMapDesignFonts = "\r\n参照フォントのほか、この PC の次のフォントの字形とも比べました。%s";

}  // namespace texts
