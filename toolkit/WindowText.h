// WindowText: a window's title (or a control's text), read whole.
#pragma once

#include <windows.h>

#include <string>

std::string WindowText(HWND window);
