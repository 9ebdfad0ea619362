// The console and terminal window classes that never get Ctrl+C.
#include "reading/TerminalWindows.h"

#include "vocab/Text.h"

bool IsTerminalClass(std::string_view className) {
    std::string folded = foldText(className);
    for (const TerminalClass& terminal : kTerminalClasses)
        if (folded == foldText(terminal.className))
            return true;
    return false;
}
