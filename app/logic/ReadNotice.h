// What the tray icon says after a read that listed nothing, and which
// notification-icon record the shell takes: a balloon where the shell shows
// balloons, else the icon's tip.
#pragma once

#include <cstddef>
#include <string>

// The notification-icon record a shell understands. Shells from version 5
// show balloons and take a 128-byte tip; the first shell knows only the
// 88-byte record with a 64-byte tip.
struct TrayRecordShape {
    unsigned size;
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
