// DocumentText: the document's text as the search takes it from the
// clipboard, in the program's ANSI code page whatever form it came in.
#pragma once

#include "clipboard/ClipboardAccess.h"
#include "vocab/TextEncoding.h"

#include <string>

// The text on the open clipboard. A Unicode program's copy (CF_UNICODETEXT
// ahead of CF_TEXT: the system lists the form given first, then the forms
// it makes from it) is converted by the program itself, because the system
// makes CF_TEXT with the code page of the keyboard layout at the time of
// the copy, not the program's; a character the code page lacks becomes the
// system's default character. Any other copy's CF_TEXT is taken as it is.
// Up to the first NUL; empty when the clipboard holds no text, or more than
// the memory left can hold for the search.
std::string DocumentTextOf(ClipboardAccess& clipboard, const CodePages& codePages);
