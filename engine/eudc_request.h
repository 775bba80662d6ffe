// One acquire or install as the engine takes it: what it works on, how,
// and where it tells the user. Each run builds its own: command mode from
// the command line, the main window from its controls when Run is pressed.
#pragma once

#include "engine/folders.h"
#include "engine/font_links.h"
#include "engine/notifier.h"
#include "engine/options.h"
#include "engine/target.h"

struct EudcRequest {
    const Folders& folders;
    const Options& options;
    const Target& target;
    // The registry's link table of the run: read afresh by the operation,
    // so that the windows show it as it now is.
    FontLinkTable& registryLinks;
    Notifier& notifier;
};
