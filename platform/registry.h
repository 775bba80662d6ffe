// Registry keys and their text values, through the A functions. A key is
// owned by a UniqueKey and closed with it.
//
// On failure: a UniqueKey that holds no key, an empty list, false, or
// TextRead::kFailed with an empty text. Values written before a refused
// write stay.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/outcome.h"
#include "platform/unique_handle.h"

namespace platform {

// RegOpenKeyExA; no key when it cannot be opened.
UniqueKey OpenKey(HKEY root, const char* path, REGSAM access);
// RegCreateKeyExA, REG_OPTION_NON_VOLATILE: made when missing; no key when
// it can be neither opened nor made.
UniqueKey CreateKey(HKEY root, const char* path, REGSAM access);

// One value of a key as enumerated.
struct TextValue {
    std::string name;
    bool isText;       // REG_SZ or REG_EXPAND_SZ
    std::string text;  // when isText, up to the first NUL; else empty
};
// Every value in enumeration order, names of any length, each with its
// text: one RegEnumValueA a value, where a name and ReadText take three
// calls (each asks the registry server). Empty for no key; a value
// that cannot be read ends the list.
std::vector<TextValue> TextValues(HKEY key);

enum class TextRead {
    kText,     // a REG_SZ or REG_EXPAND_SZ value: its text
    kNotText,  // a value of another type
    kFailed,   // no such value, or it cannot be read
};
// The text of a value up to its first NUL (empty for a value without
// data); text is empty unless the result is kText.
TextRead ReadText(HKEY key, const std::string& name, std::string& text);
// One REG_SZ value with its terminating NUL; the registry's error when
// refused.
Outcome WriteText(HKEY key, const std::string& name, const std::string& text);
// Removes a value; success also when there was none.
Outcome DeleteValue(HKEY key, const std::string& name);

}  // namespace platform
