// The system's side of the Keywords page's exchange with other programs:
// keyword lines on the system clipboard, the files of a drop, the ANSI code
// page. The line format itself is platform-free (ui/logic/KeywordLines).
#pragma once

#include "ui/logic/ClipboardCopyMark.h"
#include "ui/logic/KeywordImport.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <string>
#include <vector>

// Replaces the clipboard with `lines` as CF_TEXT, owned by `owner`, and
// remembers that copy in `mark`; false when the clipboard cannot be opened.
bool putKeywordLines(HWND owner, const std::string& lines, ClipboardCopyMark& mark);

// True when the clipboard holds text other than the program's own copy.
bool clipboardHoldsOtherText(HWND owner, const ClipboardCopyMark& mark);

// That text; false when there is none, or it is the program's own copy.
bool takeOtherClipboardText(HWND owner, const ClipboardCopyMark& mark, std::string& text);

// The dropped paths in the drop's order; the drop is released.
std::vector<std::string> takeDroppedPaths(HDROP drop);

class Win32TextFiles : public TextFiles {
public:
    bool read(const std::string& path, size_t maxBytes, std::string& bytes,
              FileRefusal& refusal) override;
};

class Win32AnsiCodePage : public AnsiCodePage {
public:
    bool fromUtf16(const std::u16string& wide, std::string& ansi) const override;
};
