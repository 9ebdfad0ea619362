// uninstzfw.exe: removes what the installer made, asking first, through
// message boxes only.
#include "installer/PathRules.h"
#include "installer/Uninstallation.h"
#include "installer/win32/ProgmanClient.h"
#include "installer/win32/ResourceTexts.h"
#include "installer/win32/Win32Files.h"
#include "resources/InstallIds.h"

#include <windows.h>

namespace {

// The caption of every message box.
std::string caption() {
    return ResourceTexts().text(IDS_UNINSTALL_CAPTION);
}

class MessageBoxUi : public UninstallUi {
public:
    bool confirmRemoval(const std::string& text) override {
        return MessageBoxA(nullptr, text.c_str(), caption().c_str(),
                           MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
    }
    bool askKeepData(const std::string& text) override {
        return MessageBoxA(nullptr, text.c_str(), caption().c_str(),
                           MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON1) != IDNO;
    }
    void report(const std::string& text) override {
        MessageBoxA(nullptr, text.c_str(), caption().c_str(), MB_OK | MB_ICONINFORMATION);
    }
    void refuse(const std::string& text) override {
        MessageBoxA(nullptr, text.c_str(), caption().c_str(), MB_OK | MB_ICONHAND);
    }
};

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char self[kMaxPath] = {};
    const DWORD length = GetModuleFileNameA(nullptr, self, sizeof self);
    if (length == 0 || length >= sizeof self - 1) {
        const std::string text = ResourceTexts().text(IDS_SELF_PATH_TOO_LONG);
        MessageBoxA(nullptr, text.c_str(), caption().c_str(), MB_OK | MB_ICONHAND);
        return 1;
    }
    Win32Files files;
    ProgmanClient progman;
    MessageBoxUi ui;
    runUninstall(files, progman, ui, ResourceTexts(), self);
    return 0;
}
