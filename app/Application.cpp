// The application object and the program-folder helpers.
#include "app/Application.h"

#include "app/MainWindow.h"
#include "reading/win32/DocumentWindowTracker.h"
#include "reading/win32/KeywordsFoundWindow.h"

#include <shellapi.h>

Application::Application()
    : data_(files_, dataFilePath()), tracker_(std::make_unique<DocumentWindowTracker>()) {}

Application::~Application() = default;

Application& app() {
    static Application application;
    return application;
}

void Application::setBusy(bool on) {
    busy_ = on;
    if (mainWindow)
        mainWindow->showBusy(on);
}

std::string programFolder() {
    char path[MAX_PATH + 1] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    // From the last character back to the second: a backslash at position 0
    // would leave no folder worth the name.
    size_t cut = folder.find_last_of('\\');
    if (cut == std::string::npos || cut == 0)
        return {};
    return folder.substr(0, cut + 1);
}

bool OpenProgramFolderPage(const char* fileName) {
    std::string folder = programFolder();
    if (folder.empty())
        return false;
    std::string path = folder + fileName;
    auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteA(nullptr, nullptr, path.c_str(), nullptr, nullptr, SW_SHOW));
    return result > 32;
}

std::string dataFilePath() {
    std::string folder = programFolder();
    return folder.empty() ? std::string("data.dat") : folder + "data.dat";
}
