// Commands on tab controls, list boxes and combo boxes.
#include "Commands.h"
#include "Handles.h"

#include <vector>

namespace {

const size_t kTextChars = 1024;

std::wstring tabItemText(HWND tab, int index) {
    RemoteBuffer remote(tab, sizeof(TCITEMW) + kTextChars * sizeof(wchar_t));
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = reinterpret_cast<LPWSTR>(remote.at(sizeof item));
    item.cchTextMax = kTextChars;
    remote.write(&item, sizeof item);
    sendWithTimeout(tab, TCM_GETITEMW, index, remote.at());
    std::vector<wchar_t> text(kTextChars);
    remote.read(text.data(), text.size() * sizeof(wchar_t), sizeof item);
    text.back() = L'\0';
    return text.data();
}

// The notification a user's click would send, built inside the parent's process.
void notifyParent(HWND control, UINT code) {
    HWND parent = GetParent(control);
    NMHDR header = {control, static_cast<UINT_PTR>(GetDlgCtrlID(control)), code};
    RemoteBuffer remote(parent, sizeof header);
    remote.write(&header, sizeof header);
    sendWithTimeout(parent, WM_NOTIFY, header.idFrom, remote.at());
}

void postSelectionChange(HWND control, WORD code) {
    PostMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
                 reinterpret_cast<LPARAM>(control));
}

std::string listTexts(HWND control, UINT lengthMessage, UINT textMessage, int count) {
    std::vector<std::string> items;
    for (int i = 0; i < count; ++i) {
        LRESULT length = sendWithTimeout(control, lengthMessage, i, 0);
        std::vector<wchar_t> text(length < 0 ? 1 : length + 1);
        LRESULT copied =
            sendWithTimeout(control, textMessage, i, reinterpret_cast<LPARAM>(text.data()));
        items.push_back(jsonText(toUtf8(std::wstring(text.data(), copied < 0 ? 0 : copied))));
    }
    return jsonArray(items);
}

} // namespace

void cmdTab(const Args& args, JsonObject& answer) {
    HWND tab = args.existingWindow(0);
    int count = static_cast<int>(sendWithTimeout(tab, TCM_GETITEMCOUNT, 0, 0));
    std::vector<std::string> texts;
    for (int i = 0; i < count; ++i)
        texts.push_back(jsonText(toUtf8(tabItemText(tab, i))));
    answer.addRaw("items", jsonArray(texts));
    answer.addInt("selected", sendWithTimeout(tab, TCM_GETCURSEL, 0, 0));
}

// TCM_SETCURFOCUS changes the selection with both notifications, as a click does;
// where it does not, the selection is set and TCN_SELCHANGE sent by hand.
void cmdTabSelect(const Args& args, JsonObject& answer) {
    HWND tab = args.existingWindow(0);
    int index = static_cast<int>(args.number(1));
    sendWithTimeout(tab, TCM_SETCURFOCUS, index, 0);
    bool viaFocus = sendWithTimeout(tab, TCM_GETCURSEL, 0, 0) == index;
    if (!viaFocus) {
        notifyParent(tab, TCN_SELCHANGING);
        sendWithTimeout(tab, TCM_SETCURSEL, index, 0);
        notifyParent(tab, TCN_SELCHANGE);
    }
    answer.addBool("viaFocus", viaFocus);
    answer.addInt("selected", sendWithTimeout(tab, TCM_GETCURSEL, 0, 0));
}

void cmdTabRect(const Args& args, JsonObject& answer) {
    HWND tab = args.existingWindow(0);
    RECT rect = {};
    RemoteBuffer remote(tab, sizeof rect);
    if (!sendWithTimeout(tab, TCM_GETITEMRECT, args.number(1), remote.at()))
        throw ProbeError("no such tab");
    remote.read(&rect, sizeof rect);
    MapWindowPoints(tab, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    answer.addRaw("rect", jsonRect(rect));
}

void cmdListBox(const Args& args, JsonObject& answer) {
    HWND list = args.existingWindow(0);
    int count = static_cast<int>(sendWithTimeout(list, LB_GETCOUNT, 0, 0));
    answer.addRaw("items", listTexts(list, LB_GETTEXTLEN, LB_GETTEXT, count));
    answer.addInt("selected", sendWithTimeout(list, LB_GETCURSEL, 0, 0));
    std::vector<std::string> marked;
    for (int i = 0; i < count; ++i)
        if (sendWithTimeout(list, LB_GETSEL, i, 0) > 0)
            marked.push_back(std::to_string(i));
    answer.addRaw("marked", jsonArray(marked));
}

void cmdListBoxSelect(const Args& args, JsonObject& answer) {
    HWND list = args.existingWindow(0);
    answer.addInt("result", sendWithTimeout(list, LB_SETCURSEL, args.number(1), 0));
    postSelectionChange(list, LBN_SELCHANGE);
}

void cmdCombo(const Args& args, JsonObject& answer) {
    HWND combo = args.existingWindow(0);
    int count = static_cast<int>(sendWithTimeout(combo, CB_GETCOUNT, 0, 0));
    answer.addRaw("items", listTexts(combo, CB_GETLBTEXTLEN, CB_GETLBTEXT, count));
    answer.addInt("selected", sendWithTimeout(combo, CB_GETCURSEL, 0, 0));
    answer.addText("text", toUtf8(windowText(combo)));
}

void cmdComboSelect(const Args& args, JsonObject& answer) {
    HWND combo = args.existingWindow(0);
    answer.addInt("result", sendWithTimeout(combo, CB_SETCURSEL, args.number(1), 0));
    postSelectionChange(combo, CBN_SELCHANGE);
}
