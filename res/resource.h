#pragma once
#define IDI_MINAMO 1
