// The little the vocabulary model needs of the window system, so that the
// model builds and is tested without it. The program installs the Win32
// implementation at start-up; tests install fakes.
#pragma once

#include <string>

using IconHandle = void*;
using WindowHandle = void*;

class FileSystem;

class VocabPlatform {
public:
    virtual ~VocabPlatform() = default;
    // The shell's icon for a path (the icon source "default").
    virtual IconHandle shellIcon(const std::string& path) = 0;
    // Icon `index` of an executable, library or icon file; none for an
    // index below 0.
    virtual IconHandle extractIcon(const std::string& file, int index) = 0;
    // The window's title, read whole.
    virtual std::string windowTitle(WindowHandle window) = 0;
    // A message box with the stop icon ("Data file load failed." and such).
    virtual void reportError(const char* text) = 0;
    virtual FileSystem& files() = 0;
};

VocabPlatform& vocabPlatform();
void setVocabPlatform(VocabPlatform* platform);
