// The warning about names in a key sequence that are no key token.
#include "ui/KeyNameWarning.h"

#include "resources/AppIds.h"
#include "resources/SettingsIds.h"
#include "toolkit/LoadText.h"
#include "ui/logic/KeyNameCheck.h"

bool KeepKeySequence(HWND owner, const std::string& sequence) {
    const std::vector<std::string> unknown = UnknownKeyNames(sequence);
    if (unknown.empty())
        return true;
    std::string names;
    for (const std::string& name : unknown)
        names += (names.empty() ? "" : ", ") + name;
    std::string text = loadText(IDS_UNKNOWN_KEY_NAME);
    const size_t slot = text.find("%s");
    if (slot != std::string::npos)
        text.replace(slot, 2, names);
    // Guidance, not a failure: the user may mean the text.
    return MessageBoxA(owner, text.c_str(), loadText(IDS_APP_TITLE).c_str(),
                       MB_YESNO | MB_ICONINFORMATION | MB_DEFBUTTON2) == IDYES;
}
