// <windows.h> for the probe, which uses calls newer than the product's target.
#pragma once

#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0501
#undef WINVER
#define WINVER 0x0501
#undef _WIN32_IE
#define _WIN32_IE 0x0600

#include <windows.h>

#include <commctrl.h>
