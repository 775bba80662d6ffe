// Boxes, questions and the EUDC switch: the one seam that tests replace.
// Everything the user is shown or asked, and EnableEUDC, goes through the
// Interaction object in force, so that a test can record every text and
// script every answer.
//
// On failure: nothing is reported. A box that cannot be shown counts as
// closed (for a question: as neither Yes nor No); EnableEUDC's result is
// passed through and ignored by the program.
#pragma once

#include <windows.h>

#include <string>

#include "platform/windows_true.h"

namespace platform {

class Interaction {
public:
    virtual ~Interaction() = default;
    // A plain box with an OK button; returns when it was closed.
    virtual void ShowMessage(const std::string& text) = 0;
    // A warning box with Yes and No; returns the button id (IDNO = 7).
    virtual int AskYesNo(const std::string& text) = 0;
    // The system-wide EUDC switch; the result is passed through.
    virtual BOOL EnableEudc(BOOL enable) = 0;
};

// The object in force; the real one unless a test installed its own.
Interaction& CurrentInteraction();
// Installs replacement (nullptr restores the real one); returns the previous.
Interaction* SetInteraction(Interaction* replacement);

inline void ShowMessage(const std::string& text) { CurrentInteraction().ShowMessage(text); }
inline int AskYesNo(const std::string& text) { return CurrentInteraction().AskYesNo(text); }
inline BOOL EnableEudc(BOOL enable) { return CurrentInteraction().EnableEudc(enable); }
// Asks question; true when the answer was No, the one answer that stops.
inline bool AnsweredNo(const std::string& question) { return AskYesNo(question) == IDNO; }

constexpr BOOL kEudcOn = kTrueAllBits;
constexpr BOOL kEudcOff = FALSE;

// Caption of every box the program shows.
extern const char* const kBoxCaption;

}  // namespace platform
