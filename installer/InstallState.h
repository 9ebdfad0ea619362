// What the installer's windows share: the user's choices and the two folders.
#pragma once

#include <string>

struct InstallState {
    std::string destinationText; // as typed or browsed
    bool addToStartup = true;    // also put the program into "Startup"
    std::string destinationPath; // the text with one trailing "\" removed
    std::string sourceFolder;    // the folder the installer was started from
};
