// Reading the clipboard's text in a session of its own.
#include "clipboard/ClipboardAccess.h"

#include "clipboard/ClipboardFormats.h"

#include <cstring>

bool ReadClipboardText(ClipboardAccess& clipboard, std::string& text) {
    text.clear();
    ClipboardSession session(clipboard);
    if (!session)
        return false;
    if (clipboard.read(kClipboardText, text))
        text.resize(std::strlen(text.c_str())); // the block may run past the text's NUL
    else
        text.clear();
    return true;
}
