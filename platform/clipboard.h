// Text put on the clipboard for other programs to paste.
#pragma once

#include <windows.h>

#include <string>

namespace platform {

// Replaces the clipboard's content with text: as UTF-16 (CF_UNICODETEXT)
// where unicode is true (the NT family), which keeps every character;
// else in the ANSI code page (CF_TEXT), which loses what it cannot spell.
// False when the clipboard is held by another program or memory ran out.
bool CopyTextToClipboard(HWND owner, const std::wstring& text, bool unicode);

}  // namespace platform
