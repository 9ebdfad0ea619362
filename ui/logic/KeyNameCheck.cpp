// The check of a key sequence's bracketed names against the key tokens.
#include "ui/logic/KeyNameCheck.h"

#include "reading/KeySequence.h"

#include <algorithm>

std::vector<std::string> UnknownKeyNames(std::string_view sequence) {
    std::vector<std::string> unknown;
    size_t position = 0;
    while (position < sequence.size()) {
        // The player's own matching decides what a token is.
        if (MatchKeyToken(sequence, position) != 0)
            continue;
        if (sequence[position] == '<') {
            const size_t close = sequence.find_first_of("<> \t", position + 1);
            if (close != std::string_view::npos && sequence[close] == '>' && close > position + 1) {
                std::string name(sequence.substr(position, close - position + 1));
                if (std::find(unknown.begin(), unknown.end(), name) == unknown.end())
                    unknown.push_back(std::move(name));
                position = close + 1;
                continue;
            }
        }
        ++position;
    }
    return unknown;
}
