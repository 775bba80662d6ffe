#include "command/param.h"

uint8_t TminamoParam::InstallFiles() { return kResultNoSourceFiles; }
uint8_t TminamoParam::PutEudc() { return InstallFiles(); }
double TminamoParam::FileDate(const std::string&) { return 0; }
