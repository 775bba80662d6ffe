#include "engine/run/run_parameters.h"

RunParameters::RunParameters(const std::string& executablePath)
    : folders(ResolveFolders(executablePath)),
      target(TargetNamed(folders.program, "")),
      fontLinks(ReadFontLinks(folders.windows)) {}
