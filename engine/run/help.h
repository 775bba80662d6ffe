// The usage text of the command line.
#pragma once

#include <string>

#include "engine/report/notifier.h"

// Tells the usage text, each line ended by CR LF.
void ShowHelp(Notifier& notifier);
// Tells that argument is no switch, then the usage text, in one message.
void ShowUnknownSwitch(const std::string& argument, Notifier& notifier);
