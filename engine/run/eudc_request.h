// One acquire or install as the engine takes it: what it works on, how,
// and where it tells the user. Each run builds its own: command mode from
// the command line, the main window from its controls when Run is pressed.
#pragma once

#include "engine/paths/folders.h"
#include "engine/report/notifier.h"
#include "engine/links/options.h"
#include "engine/run/target.h"

struct EudcRequest {
    const Folders& folders;
    const Options& options;
    const Target& target;
    // Tells the outcome and asks the questions; the registry's table as
    // the operation leaves it comes back in its report.
    Notifier& notifier;
};
