#include "command/param.h"

uint8_t TminamoParam::AcquireFiles() { return kResultNoSystemEudc; }
uint8_t TminamoParam::GetEudc() { return AcquireFiles(); }
