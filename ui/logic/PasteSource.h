// Where "&Paste" on the Keywords page takes its entries from: text another
// program put on the system clipboard, or the keyword clipboard's rows.
#pragma once

#include <functional>

enum class PasteSource {
    Nothing,          // the button is off, a Ctrl+V does nothing
    OtherProgramText, // imported as keyword lines
    KeywordClipboard, // the copied rows, their texts and modes exact
};

// Another program's text is newer than the keyword clipboard's rows, and
// wins; the program's own copy of those rows is no other program's text.
// Without a chosen vocabulary there is nothing to paste into, and
// `otherProgramText` (which may open the clipboard) is not asked.
PasteSource choosePasteSource(bool vocabularyChosen, bool keywordRowsHeld,
                              const std::function<bool()>& otherProgramText);
