// IconSource: where a vocabulary's icon comes from. The model names the icon
// (a file and an index, or the shell's own); the caller that draws it hands
// in the window system's lookup, and tests a fake.
#pragma once

#include <string>

using IconHandle = void*;

class IconSource {
public:
    virtual ~IconSource() = default;
    // The shell's icon for a path (the icon source "default").
    virtual IconHandle shellIcon(const std::string& path) = 0;
    // Icon `index` of an executable, library or icon file; none for an
    // index below 0.
    virtual IconHandle extractIcon(const std::string& file, int index) = 0;
};
