// The shell copy's own codes, as its documentation lists them; Windows has
// no texts for them.
#include "platform/shell_codes.h"

#include <iterator>

namespace platform {

namespace {

struct ShellCode {
    DWORD code;
    const char* text;
};

const ShellCode kShellCodes[] = {
    {0x71, "コピー元とコピー先が同じファイルです。(DE_SAMEFILE)"},
    {0x72, "複数のコピー元に対してコピー先が一つだけです。(DE_MANYSRC1DEST)"},
    {0x73, "名前の変更でコピー先が別のフォルダです。(DE_DIFFDIR)"},
    {0x74, "コピー元がルート フォルダです。(DE_ROOTDIR)"},
    {0x75, "コピーが取り消されました。(DE_OPCANCELLED)"},
    {0x76, "コピー先がコピー元のフォルダの中にあります。(DE_DESTSUBTREE)"},
    {0x78, "コピー元へのアクセスが拒否されました。(DE_ACCESSDENIEDSRC)"},
    {0x79, "コピー元かコピー先のパスが長すぎます。(DE_PATHTOODEEP)"},
    {0x7A, "コピー先が複数あります。(DE_MANYDEST)"},
    {0x7C, "コピー元かコピー先のパスが正しくありません。(DE_INVALIDFILES)"},
    {0x7D, "コピー元とコピー先が同じフォルダにあります。(DE_DESTSAMETREE)"},
    {0x7E, "コピー先のフォルダと同じ名前のファイルがあります。(DE_FLDDESTISFILE)"},
    {0x80, "コピー先のファイルと同じ名前のフォルダがあります。(DE_FILEDESTISFLD)"},
    {0x81, "ファイル名が長すぎます。(DE_FILENAMETOOLONG)"},
    {0x82, "コピー先が読み取り専用の CD-ROM です。(DE_DEST_IS_CDROM)"},
    {0x83, "コピー先が読み取り専用の DVD です。(DE_DEST_IS_DVD)"},
    {0x84, "コピー先が書き込み可能な CD です。(DE_DEST_IS_CDRECORD)"},
    {0x85, "ファイルがコピー先のメディアかファイル システムには大きすぎます。(DE_FILE_TOO_LARGE)"},
    {0x86, "コピー元が読み取り専用の CD-ROM です。(DE_SRC_IS_CDROM)"},
    {0x87, "コピー元が読み取り専用の DVD です。(DE_SRC_IS_DVD)"},
    {0x88, "コピー元が書き込み可能な CD です。(DE_SRC_IS_CDRECORD)"},
    {0xB7, "コピー中にパスの長さの上限を超えました。(DE_ERROR_MAX)"},
    {0x402, "不明なエラーです。コピー元かコピー先のパスが正しくないことがあります。"},
    {0x10000, "コピー先でエラーが起きました。(ERRORONDEST)"},
    {0x10074, "コピー先がルート フォルダです。(DE_ROOTDIR | ERRORONDEST)"},
};

}  // namespace

std::string ShellCopyCodeText(DWORD code) {
    for (const ShellCode& known : kShellCodes)
        if (known.code == code) return known.text;
    return std::string();
}

}  // namespace platform
