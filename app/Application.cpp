// The application object and the data file's place.
#include "app/Application.h"

#include "app/MainWindow.h"
#include "reading/win32/DocumentWindowTracker.h"
#include "reading/win32/KeywordsFoundWindow.h"

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

std::string dataFilePath() {
    std::string folder = programFolder();
    return folder.empty() ? std::string("data.dat") : folder + "data.dat";
}
