// How the engine tells the user an outcome and asks its questions: the one
// place that decides whether a box is shown and a question asked, and that
// keeps every text for the run log either way.
#pragma once

#include <string>

#include "engine/paths/string_list.h"

class Notifier {
public:
    // silent: show nothing (the run's /s or Silet); asks: put the
    // questions (Options::Asks: not under /f), never in a silent run, whose
    // questions nobody would answer.
    Notifier(bool silent, bool asks) : silent_(silent), asks_(asks && !silent) {}
    Notifier(const Notifier&) = delete;
    Notifier& operator=(const Notifier&) = delete;

    // Shows text and returns once the box was closed; nothing is shown in a
    // silent run.
    void Notify(const std::string& text);
    // Whether the run goes on past question: asked (a Yes/No box) when the
    // run asks, and then not when the answer was No; without asking, yes.
    bool GoesOn(const std::string& question);
    // Whether questions are put: an operation that asks before finding out
    // more (the acquire's overwrites) need not look when they are not.
    bool Asks() const { return asks_; }
    // Shows shown, a shortened text that fits a small screen, and keeps
    // the whole text for the run log.
    void Notify(const std::string& text, const std::string& shown);
    // Every text Notify was given, shown or not: the report of the run log.
    const StringList& Reports() const { return reports_; }

private:
    bool silent_;
    bool asks_;
    StringList reports_;
};

// False, after saying so, for a folder whose name Shift-JIS cannot spell
// and that has no short name: nothing may be made or read there.
bool CheckSpelled(const std::string& folder, Notifier& notifier);
