// The usage text of the command line.
#pragma once

#include "engine/report/notifier.h"

// Tells the usage text, each line ended by CR LF.
void ShowHelp(Notifier& notifier);
