// Shortening a file path to a pixel width for the status bar: folders are
// replaced from the left by "...\" until the text fits; the bare file name
// is the shortest form and is shown even when it is still too wide.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Width in pixels of a text.
using TextWidth = std::function<int(const std::string&)>;

// f without its first folder: "\a\b\" -> "\...\b\", "...\b\" -> "...\",
// "\" -> "".
std::string DropFirstFolder(const std::string& f);

// C:\WINDOWS\Fonts\EUDC.TTE -> C:\...\Fonts\EUDC.TTE -> C:\...\EUDC.TTE ->
// ...\EUDC.TTE -> EUDC.TTE, stopping at the first no wider than maxWidth.
std::string FitPathToWidth(const std::string& path, const TextWidth& width, int maxWidth);
// The same, measured in a font on the screen.
std::string FitPathToWidth(const std::string& path, HFONT font, int maxWidth);
// Width of text in a font on the screen.
int TextWidthIn(HFONT font, const std::string& text);
