// Conversion of bar-separated filter lists to the open-file dialog's form.
#include "ui/logic/FileFilter.h"

namespace {

std::string_view trimSpaces(std::string_view piece) {
    while (!piece.empty() && piece.front() == ' ')
        piece.remove_prefix(1);
    while (!piece.empty() && piece.back() == ' ')
        piece.remove_suffix(1);
    return piece;
}

} // namespace

std::string fileDialogFilter(std::string_view barNotation) {
    std::string result;
    while (true) {
        size_t bar = barNotation.find('|');
        std::string_view piece = trimSpaces(barNotation.substr(0, bar));
        // The empty piece of the closing "||" (or the end of the text) ends
        // the list.
        if (piece.empty())
            break;
        result.append(piece);
        result.push_back('\0');
        if (bar == std::string_view::npos)
            break;
        barNotation.remove_prefix(bar + 1);
    }
    // The dialog reads label/pattern pairs until an empty label; closing with
    // two NULs of our own keeps it inside the text even for an empty list.
    result.append(2, '\0');
    return result;
}
