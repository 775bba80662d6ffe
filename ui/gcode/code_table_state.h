// The numbering flag the code table shares with its popup.
#pragma once

// false: Shift-JIS numbering; true: Unicode numbering. Changed only when
// the user picks a code system in the code table.
extern bool UnicodeMode;
