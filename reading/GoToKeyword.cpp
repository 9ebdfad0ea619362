// The keystrokes of "Go to".
#include "reading/GoToKeyword.h"

#include "reading/KeySequence.h"

void PlayGoToKeyword(InputSink& input, std::string_view findSequence, std::string_view keyword) {
    PlayKeySequence(input, "<ctrl><home><ctrl>", false);
    PlayKeySequence(input, findSequence, false);
    input.wait(kFindDialogOpenMs);
    PlayKeySequence(input, keyword, true);
    PlayKeySequence(input, "<enter>", false);
}
