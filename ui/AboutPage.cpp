// The About page: the links open the mail program, the browser and the
// local other-software page; failures leave the page as it was.
#include "ui/AboutPage.h"

#include "resources/SettingsIds.h"
#include "toolkit/ProgramFolder.h"
#include "ui/PageRequests.h"

#include <shellapi.h>

const CommandHandler<AboutPage> AboutPage::kCommands[] = {
    {IDC_ABOUT_MAIL, &AboutPage::onMail},
    {IDC_ABOUT_WEB, &AboutPage::onWeb},
    {IDC_ABOUT_OTHER, &AboutPage::onOtherSoftware},
    {IDCANCEL, &AboutPage::onCancel},
};

const MessageMap<AboutPage> AboutPage::kMap{{}, kCommands, {}};

HWND AboutPage::create(HWND tabbedWindow) {
    return createModeless(tabbedWindow, IDD_ABOUT_PAGE);
}

// The addresses are read from the page itself, so what is shown is what opens.
void AboutPage::onMail() {
    std::string target = "mailto:" + itemText(IDC_ABOUT_MAIL_ADDRESS);
    ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void AboutPage::onWeb() {
    std::string target = itemText(IDC_ABOUT_WEB_ADDRESS);
    ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void AboutPage::onOtherSoftware() {
    OpenProgramFolderPage("zfwother.htm");
}

void AboutPage::onCancel() {
    askTabbedWindow(hwnd(), IDCANCEL);
}
