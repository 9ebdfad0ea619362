// The application object and the data file's place.
#include "app/Application.h"

#include "app/MainWindow.h"
#include "reading/win32/DocumentWindowTracker.h"
#include "reading/win32/KeywordsFoundWindow.h"
#include "resources/AppIds.h"
#include "toolkit/LoadText.h"

namespace {
// The window procedures get no context: they find the application here.
Application* gApplication = nullptr;
} // namespace

Application::Application(HINSTANCE instance, MainWindow& mainWindow)
    : instance_(instance), mainWindow_(mainWindow), data_(files_, dataFilePath()),
      tracker_(std::make_unique<DocumentWindowTracker>()) {
    gApplication = this;
}

Application::~Application() {
    gApplication = nullptr;
}

Application& app() {
    return *gApplication;
}

HWND Application::mainWindowHandle() const {
    return mainWindow_.hwnd();
}

void Application::setKeywordsFoundWindow(std::unique_ptr<KeywordsFoundWindow> window) {
    keywordsFoundWindow_ = std::move(window);
}

void Application::setBusy(bool on) {
    busy_ = on;
    showBusy();
}

void Application::setGoingTo(bool on) {
    goingTo_ = on;
    showBusy();
}

void Application::showBusy() {
    mainWindow_.showBusy(busy());
}

void ReportDataLoad(LoadOutcome outcome) {
    UINT text = 0;
    if (outcome == LoadOutcome::Refused)
        text = IDS_LOAD_FAILED;
    else if (outcome == LoadOutcome::Unreadable)
        text = IDS_DATA_UNREADABLE;
    if (text)
        MessageBoxA(nullptr, loadText(text).c_str(), loadText(IDS_APP_TITLE).c_str(),
                    MB_OK | MB_ICONSTOP);
}

// Still unreadable, it is not told again: the user knows from start-up, and
// OK asks before a save sets the file aside.
void LoadDataAgain() {
    const LoadOutcome outcome = app().data().loadAgain();
    if (outcome == LoadOutcome::Refused)
        ReportDataLoad(outcome);
}

std::string dataFilePath() {
    std::string folder = programFolder();
    return folder.empty() ? std::string("data.dat") : folder + "data.dat";
}
