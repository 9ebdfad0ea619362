// loadText: a text of the program's string table (resources/*.rc), by id.
#pragma once

#include <windows.h>

#include <string>

// The text, or empty when the table has no such id.
std::string loadText(UINT id);
