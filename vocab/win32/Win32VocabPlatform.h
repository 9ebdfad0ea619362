// Win32VocabPlatform: the vocabulary model's window-system needs (icons,
// window titles, the error message box, files) met by the real system.
#pragma once

#include "vocab/VocabPlatform.h"
#include "vocab/win32/Win32FileSystem.h"

#include <windows.h>

class Win32VocabPlatform : public VocabPlatform {
public:
    // `instance` is the program's own module, which ExtractIconA wants.
    explicit Win32VocabPlatform(HINSTANCE instance) : instance_(instance) {}

    IconHandle shellIcon(const std::string& path) override;
    IconHandle extractIcon(const std::string& file, int index) override;
    std::string windowTitle(WindowHandle window) override;
    void reportError(const char* text) override;
    FileSystem& files() override { return files_; }

private:
    HINSTANCE instance_;
    Win32FileSystem files_;
};
