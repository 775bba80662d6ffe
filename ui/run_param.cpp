#include "ui/run_param.h"

RunParameters* RunParam = nullptr;
