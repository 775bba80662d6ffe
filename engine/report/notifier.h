// How the engine tells the user an outcome: a plain box unless the run is
// silent, and every text kept for the run log either way.
#pragma once

#include <string>

#include "engine/paths/string_list.h"

class Notifier {
public:
    // silent: show nothing (the run's /s or Silet).
    explicit Notifier(bool silent) : silent_(silent) {}
    Notifier(const Notifier&) = delete;
    Notifier& operator=(const Notifier&) = delete;

    // Shows text and returns once the box was closed; nothing is shown in a
    // silent run.
    void Notify(const std::string& text);
    // Shows shown, a shortened text that fits a small screen, and keeps
    // the whole text for the run log.
    void Notify(const std::string& text, const std::string& shown);
    // Every text Notify was given, shown or not: the report of the run log.
    const StringList& Reports() const { return reports_; }

private:
    bool silent_;
    StringList reports_;
};

// False, after saying so, for a folder whose name Shift-JIS cannot spell
// and that has no short name: nothing may be made or read there.
bool CheckSpelled(const std::string& folder, Notifier& notifier);
