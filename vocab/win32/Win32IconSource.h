// Win32IconSource: icons through shell32, for the pages and dialogs that
// draw a vocabulary's icon.
#pragma once

#include "vocab/IconSource.h"

class Win32IconSource : public IconSource {
public:
    IconHandle shellIcon(const std::string& path) override;
    IconHandle extractIcon(const std::string& file, int index) override;
};
