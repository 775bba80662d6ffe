// Labels, check boxes and radio buttons whose caption does not fit the
// size the layout gives them grow until it does, as labels that size
// themselves to their text do: the layouts were made for fonts that other
// systems and other densities draw wider or taller.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

// Which way the control grows; the opposite edges stay put. Sideways, a
// control also grows downwards to the height of its line of text;
// upwards, it keeps its width and wraps its text in it.
enum class Grow { Rightwards, Leftwards, Upwards };

// The size the control's caption takes in its font: on one line, or
// wrapped at wrapWidth when given; for a check box or radio button with
// its check mark and the gap after it.
SIZE CaptionSize(HWND control, int wrapWidth = 0);

// rect, grown so that the caption fits, but never past the window's left
// and top edges nor past windowWidth.
RECT FitCaption(HWND control, RECT rect, Grow grow, int windowWidth);

// The phrases (ending with nullptr) as lines of the control's caption
// that fit width in its font, broken only between phrases (CR LF), so
// that a word never breaks as a static control breaks Japanese text, at
// any character; a phrase wider than width stands on a line of its own.
std::string PhraseLines(HWND control, const char* const* phrases, int width);

}  // namespace ui
