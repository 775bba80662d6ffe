#include "app/run_modes.h"

// Until the main window exists, window mode has nothing to show.
int RunWindowMode() { return 0; }
