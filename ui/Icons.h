// Icons as the pages and dialogs take and show them: owned handles from icon
// files and vocabularies, and picture controls that show an owned icon.
#pragma once

#include "toolkit/Handles.h"

#include <string>

class Vocabulary;

// The vocabulary's icon, or the program's neutral placeholder when its
// lookup yields none, so that every vocabulary has a picture.
Icon vocabularyIcon(const Vocabulary& vocabulary);

// Icon `index` of an executable, library or icon file; none when missing.
Icon extractFileIcon(const std::string& file, int index);
// How many icons the file holds (0 when it is missing or has none).
int fileIconCount(const std::string& file);

// A picture control (SS_ICON static) and the icon it shows; a static never
// destroys its icon, so the owner keeps it until the next one is shown.
class Picture {
public:
    void attach(HWND control) { control_ = control; }
    // Shows `icon`; an empty one clears the picture.
    void show(Icon icon);

private:
    HWND control_ = nullptr;
    Icon icon_;
};
