// The parts of one run, which the entry owns from start to exit: where the
// files are, what was asked at start-up, the target named then, and the
// registry's link table as last read. Each operation takes only the parts
// it needs.
#pragma once

#include <string>

#include "engine/paths/folders.h"
#include "engine/links/font_links.h"
#include "engine/links/options.h"
#include "engine/run/target.h"

class RunParameters {
public:
    // Resolves the folders from the executable's path and reads the
    // registry's link table; the options are the defaults until the
    // command line is parsed.
    explicit RunParameters(const std::string& executablePath);
    RunParameters(const RunParameters&) = delete;
    RunParameters& operator=(const RunParameters&) = delete;

    Folders folders;
    Options options;  // from the settings beside the program and the command line
    Target target;    // the folder named at start-up, or the program's folder
    FontLinkTable fontLinks;
};
