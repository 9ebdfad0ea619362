// What the tray icon says after a read that listed nothing, and which
// notification-icon record the shell takes: a balloon where the shell shows
// balloons, else the icon's tip.
#pragma once

#include <cstddef>
#include <string>

// The notification-icon record a shell understands: its edition (1, the first
// shell's, 88 bytes in a 32-bit program; 2, from version 5, with balloons and a
// 128-byte tip; 3, from version 6, with the balloon's icon and GUID). The
// Windows side turns the edition into the record's size for its own build.
struct TrayRecordShape {
    unsigned edition;
    std::size_t tipBytes;
    bool balloons;
};

// The shape for shell32's major version (0 when the shell does not say).
TrayRecordShape trayRecordFor(unsigned shellMajorVersion);

// The sentence after a read that listed nothing. `pattern` is the string
// table's sentence with "%s" where the window's title goes; an untitled
// window is named `untitled`. The title is shortened with "..." so that the
// sentence, with its advice, fits `limit` bytes including the terminator.
std::string readNotice(const std::string& pattern, const std::string& title,
                       const std::string& untitled, std::size_t limit);
