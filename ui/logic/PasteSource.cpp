// The Keywords page's choice of what to paste.
#include "ui/logic/PasteSource.h"

PasteSource choosePasteSource(bool vocabularyChosen, bool keywordRowsHeld,
                              const std::function<bool()>& otherProgramText) {
    if (!vocabularyChosen)
        return PasteSource::Nothing;
    if (otherProgramText())
        return PasteSource::OtherProgramText;
    return keywordRowsHeld ? PasteSource::KeywordClipboard : PasteSource::Nothing;
}
