#pragma once
#define IDI_MINAMO 1
// The pointing hand over links, for systems without IDC_HAND.
#define IDC_MINAMO_HAND 2
