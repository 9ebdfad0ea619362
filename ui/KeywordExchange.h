// The system's side of the Keywords page's exchange with other programs:
// keyword lines on the system clipboard, the files of a drop, the report's
// texts. The line format and the encodings are platform-free
// (ui/logic/KeywordLines, vocab/TextEncoding).
#pragma once

#include "clipboard/ClipboardMark.h"
#include "ui/logic/KeywordImport.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <string>
#include <vector>

// Replaces the clipboard with `lines`, owned by `owner`, and remembers that
// copy in `mark`; false when the clipboard cannot be opened. The lines go as
// CF_TEXT with CF_LOCALE naming the locale of the ANSI code page, so that
// the system converts them right whatever the keyboard layout, and on the
// NT family as CF_UNICODETEXT converted by the program itself too.
bool putKeywordLines(HWND owner, const std::string& lines, ClipboardMark& mark,
                     const CodePages& codePages);

// True when the clipboard holds text other than the program's own copy.
bool clipboardHoldsOtherText(HWND owner, const ClipboardMark& mark);

// The clipboard's text for a paste: CF_UNICODETEXT where the clipboard
// offers it (the NT family always does), else CF_TEXT with its CF_LOCALE.
class Win32ClipboardText : public ClipboardTextSource {
public:
    explicit Win32ClipboardText(HWND owner) : owner_(owner) {}
    bool read(size_t maxBytes, ClipboardText& text, ImportRefusal& refusal) override;

private:
    HWND owner_;
};

// The dropped paths in the drop's order; the drop is released.
std::vector<std::string> takeDroppedPaths(HDROP drop);

class Win32TextFiles : public TextFiles {
public:
    bool read(const std::string& path, size_t maxBytes, std::string& bytes,
              ImportRefusal& refusal) override;
};

// The report's texts from the program's string table.
class ResourceImportTexts : public ImportTexts {
public:
    std::string text(unsigned id) const override;
};
