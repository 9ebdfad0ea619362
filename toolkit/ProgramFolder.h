// The running program's own folder and the pages shipped in it.
#pragma once

#include <string>

// The folder of the running program, with its trailing backslash.
std::string programFolder();

// Opens a file of the program's own folder with the shell's default action.
bool OpenProgramFolderPage(const char* fileName);
