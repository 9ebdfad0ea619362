// TabbedWindow: the "Zembrafind" window with the four editing pages.
#pragma once

class TabbedWindow {
public:
    static constexpr int kVocabulariesPage = 0;
    static constexpr int kKeywordsPage = 1;
    static constexpr int kSettingsPage = 2;
    static constexpr int kAboutPage = 3;

    // Opens the window on `page` and runs it modally.
    static void open(int page);
    // Pages hand their OK and Cancel (IDOK / IDCANCEL) to the open window.
    static void sendToCurrent(int command);
};
