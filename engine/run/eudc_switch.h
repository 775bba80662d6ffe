// The command line's true and false: EUDC on or off for the running system.
#pragma once

#include "engine/report/notifier.h"
#include "engine/links/options.h"

// Switches EUDC as requested and says so; nothing for EudcSwitch::kNone.
void SwitchEudc(EudcSwitch requested, Notifier& notifier);
