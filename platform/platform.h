// Everything minamo needs of Windows: one header for each unit, gathered
// here for the callers that use many of them.
//
// Texts are byte strings in the system's ANSI code page (Shift-JIS on a
// Japanese system) and go to the A functions unchanged. Failures are
// reported by return values, never by exceptions; each unit's header says
// what its calls give when Windows refused.
//
// Modal boxes, questions and EnableEUDC go through the replaceable
// Interaction object (interaction.h), so that tests can record every text
// and script every answer. Everything else runs against the real system.
#pragma once

#include "platform/display.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/interaction.h"
#include "platform/outcome.h"
#include "platform/profile.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/shell_codes.h"
#include "platform/shell_folder.h"
#include "platform/spelled_path.h"
#include "platform/system.h"
#include "platform/system_dlls.h"
#include "platform/text.h"
#include "platform/unique_handle.h"
