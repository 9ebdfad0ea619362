// The key-sequence language ("<ctrl>a<ctrl>", "<F3>", plain characters) and
// the player that turns a sequence into key events.
#pragma once

#include "reading/InputSink.h"

#include <cstddef>
#include <string_view>

// Token indexes 1 to 3 switch a modifier; the others are keys.
constexpr int kTokenCtrl = 1;
constexpr int kTokenAlt = 2;
constexpr int kTokenShift = 3;
constexpr int kKeyTokenCount = 46;

// The token that the text begins with at `position` (1 to 46), which is then
// advanced past it; 0, with `position` unchanged, when none does. Names are
// matched exactly and case-sensitively.
int MatchKeyToken(std::string_view text, size_t& position);

// The token's name ("<ctrl>") and virtual-key code; index 1 to 46.
std::string_view KeyTokenName(int index);
uint8_t KeyTokenVirtualKey(int index);

// Plays the text into whatever window has the focus. Each key is wrapped in
// the presses and releases of the modifiers switched on for it; nothing stays
// pressed afterwards. `fast` leaves out the 1 ms waits around each key.
void PlayKeySequence(InputSink& input, std::string_view text, bool fast);
