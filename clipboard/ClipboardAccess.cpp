// Reading the clipboard's text in a session of its own.
#include "clipboard/ClipboardAccess.h"

#include "clipboard/ClipboardFormats.h"

bool ReadClipboardText(ClipboardAccess& clipboard, std::string& text) {
    text.clear();
    ClipboardSession session(clipboard);
    if (!session)
        return false;
    if (clipboard.read(kClipboardText, text))
        text.resize(ClipboardTextLength(text, 1));
    else
        text.clear();
    return true;
}
