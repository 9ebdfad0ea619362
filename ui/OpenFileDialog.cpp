// GetOpenFileNameA behind askFileToOpen.
#include "ui/OpenFileDialog.h"

#include "ui/logic/FileFilter.h"

#include <commdlg.h>

#include <vector>

bool askFileToOpen(HWND owner, const char* initialName, const char* barFilter, std::string& path) {
    std::string filter = fileDialogFilter(barFilter);
    std::vector<char> name(MAX_PATH, '\0');
    lstrcpynA(name.data(), initialName, MAX_PATH);

    OPENFILENAMEA request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = owner;
    request.lpstrFilter = filter.c_str();
    request.nFilterIndex = 1;
    request.lpstrFile = name.data();
    request.nMaxFile = MAX_PATH;
    request.Flags = OFN_HIDEREADONLY;
    if (!GetOpenFileNameA(&request))
        return false;
    path = name.data();
    return true;
}
