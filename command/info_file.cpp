#include "command/info_file.h"

#include "command/param.h"

bool TminamoParam::WriteInfoFile() { return false; }
bool TminamoParam::WriteDefaultInfoFile() { return false; }
uint8_t TminamoParam::ReadInfoFile() { return kResultInfoIncomplete; }
int CALLBACK TminamoParam::FontEnumProc(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM) {
    return 1;
}
