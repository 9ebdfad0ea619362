// "Go to": the keystrokes that make an application's own Find function
// locate a keyword in its document.
#pragma once

#include "reading/InputSink.h"

#include <string_view>

constexpr unsigned kFindDialogOpenMs = 750;

// To the top of the document, the window's Find sequence, a wait for the
// Find dialog, the keyword typed fast (through the key-sequence language,
// so token names in it act as keys), and Enter.
void PlayGoToKeyword(InputSink& input, std::string_view findSequence, std::string_view keyword);
