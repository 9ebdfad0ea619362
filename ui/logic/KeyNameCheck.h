// The names in angle brackets of a key sequence that are no key token: the
// player would type them into the user's document as plain text, so the
// settings dialogs ask before they keep such a sequence.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Every "<name>" of `sequence` that is not one of the key tokens, in order,
// each once. A name holds no blank; a "<" without a closing ">" before the
// next "<" or blank is a plain character, as is "<>".
std::vector<std::string> UnknownKeyNames(std::string_view sequence);
