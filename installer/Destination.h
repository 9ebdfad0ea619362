// Checks a destination folder text and makes sure the folder exists, before
// anything is copied into it.
#pragma once

#include "installer/InstallPlatform.h"

#include <cstddef>
#include <string>

// The longest folder for which every Program Manager command still fits its
// 128-byte buffer (the uninstaller's item carries the most fixed text).
constexpr std::size_t kMaxDestinationLength = 88;

enum class DestinationCheck {
    Ready,         // the folder exists (now or before) and is the current one
    TooLong,       // the commands or the per-file paths would not fit
    BadCharacters, // a character no file name can hold
    BadEnding,     // a name ending in a blank or a dot
    CannotCreate,  // empty, parent missing, read-only, a file of that name...
};

// True when the folder (already stripped) can be put into every command and
// every per-file path without overflowing their buffers.
bool destinationFits(const std::string& folder);

// True when the folder holds a character that no file name can hold: a
// control character, * ? " < > |, or a colon anywhere but after the drive
// letter.
bool hasBadCharacters(const std::string& folder);

// True when a name in the folder path ends in a blank or a dot. Windows drops
// these when it makes the folder, so the files would then be copied to a name
// that does not exist. "." and ".." name the current and the parent folder.
bool hasBadNameEnding(const std::string& folder);

// Strips the text into `destinationPath`, refuses what cannot be used, and
// otherwise enters the folder or creates its last level.
DestinationCheck prepareDestination(InstallFiles& files, const std::string& folderText,
                                    std::string& destinationPath);

// The message for a refusal (null for Ready).
const char* destinationMessage(DestinationCheck check);
