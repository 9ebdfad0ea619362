// The open-file dialog's filter list, written in the program's bar notation.
#pragma once

#include <string>
#include <string_view>

// Turns "*.wav | *.wav | *.* | *.* ||" into the label/pattern pairs the
// system's open-file dialog takes: NUL-separated pieces ending in two NULs.
// Spaces around each bar are dropped; spaces inside a piece stay.
std::string fileDialogFilter(std::string_view barNotation);
