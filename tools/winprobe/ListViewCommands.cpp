// Commands on list views of other processes: items with sub-items, states, rectangles.
#include "Commands.h"
#include "Handles.h"

#include <vector>

namespace {

const size_t kTextChars = 1024;

// One remote LVITEMW with room for a text after it, reused for every request.
class RemoteItem {
public:
    explicit RemoteItem(HWND list)
        : list_(list), remote_(list, sizeof(LVITEMW) + kTextChars * sizeof(wchar_t)) {}

    std::wstring text(int index, int subItem) {
        LVITEMW item = {};
        item.iSubItem = subItem;
        item.pszText = reinterpret_cast<LPWSTR>(remote_.at(sizeof item));
        item.cchTextMax = kTextChars;
        remote_.write(&item, sizeof item);
        LRESULT length = sendWithTimeout(list_, LVM_GETITEMTEXTW, index, remote_.at());
        std::vector<wchar_t> text(kTextChars);
        remote_.read(text.data(), text.size() * sizeof(wchar_t), sizeof item);
        return std::wstring(text.data(), length < 0 ? 0 : length);
    }

    int image(int index) {
        LVITEMW item = {};
        item.mask = LVIF_IMAGE;
        item.iItem = index;
        remote_.write(&item, sizeof item);
        sendWithTimeout(list_, LVM_GETITEMW, 0, remote_.at());
        remote_.read(&item, sizeof item);
        return item.iImage;
    }

    std::wstring columnTitle(int column) {
        LVCOLUMNW header = {};
        header.mask = LVCF_TEXT;
        header.pszText = reinterpret_cast<LPWSTR>(remote_.at(sizeof(LVITEMW)));
        header.cchTextMax = kTextChars;
        remote_.write(&header, sizeof header);
        sendWithTimeout(list_, LVM_GETCOLUMNW, column, remote_.at());
        std::vector<wchar_t> text(kTextChars);
        remote_.read(text.data(), text.size() * sizeof(wchar_t), sizeof(LVITEMW));
        text.back() = L'\0';
        return text.data();
    }

private:
    HWND list_;
    RemoteBuffer remote_;
};

int columnCount(HWND list) {
    HWND header = reinterpret_cast<HWND>(sendWithTimeout(list, LVM_GETHEADER, 0, 0));
    int count = header ? static_cast<int>(sendWithTimeout(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    return count > 0 ? count : 1;
}

std::string itemJson(HWND list, RemoteItem& remote, int index, int columns) {
    std::vector<std::string> texts;
    for (int column = 0; column < columns; ++column)
        texts.push_back(jsonText(toUtf8(remote.text(index, column))));
    UINT state = static_cast<UINT>(
        sendWithTimeout(list, LVM_GETITEMSTATE, index, LVIS_SELECTED | LVIS_FOCUSED));
    JsonObject item;
    item.addRaw("texts", jsonArray(texts)).addInt("image", remote.image(index));
    item.addBool("selected", (state & LVIS_SELECTED) != 0);
    item.addBool("focused", (state & LVIS_FOCUSED) != 0);
    return item.str();
}

} // namespace

void cmdListView(const Args& args, JsonObject& answer) {
    HWND list = args.existingWindow(0);
    RemoteItem remote(list);
    int columns = columnCount(list);
    std::vector<std::string> titles;
    for (int column = 0; column < columns; ++column)
        titles.push_back(jsonText(toUtf8(remote.columnTitle(column))));
    int count = static_cast<int>(sendWithTimeout(list, LVM_GETITEMCOUNT, 0, 0));
    std::vector<std::string> items;
    for (int index = 0; index < count; ++index)
        items.push_back(itemJson(list, remote, index, columns));
    answer.addRaw("columns", jsonArray(titles)).addRaw("items", jsonArray(items));
    answer.addInt("view", GetWindowLongW(list, GWL_STYLE) & LVS_TYPEMASK);
}

// Arguments: list, item index (-1 for all), state bits, mask bits; the list view sends
// its usual LVN_ITEMCHANGED notifications, so the owner reacts as to the user.
void cmdListViewSetState(const Args& args, JsonObject& answer) {
    HWND list = args.existingWindow(0);
    LVITEMW item = {};
    item.state = static_cast<UINT>(args.number(2));
    item.stateMask = static_cast<UINT>(args.numberOr(3, LVIS_SELECTED | LVIS_FOCUSED));
    RemoteBuffer remote(list, sizeof item);
    remote.write(&item, sizeof item);
    answer.addInt("result", sendWithTimeout(list, LVM_SETITEMSTATE, args.number(1), remote.at()));
}

// Arguments: list, item index, part (LVIR_BOUNDS 0, LVIR_ICON 1, LVIR_LABEL 2); screen rect.
void cmdListViewItemRect(const Args& args, JsonObject& answer) {
    HWND list = args.existingWindow(0);
    RECT rect = {};
    rect.left = static_cast<LONG>(args.numberOr(2, LVIR_BOUNDS));
    RemoteBuffer remote(list, sizeof rect);
    remote.write(&rect, sizeof rect);
    if (!sendWithTimeout(list, LVM_GETITEMRECT, args.number(1), remote.at()))
        throw ProbeError("no such item");
    remote.read(&rect, sizeof rect);
    MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    answer.addRaw("rect", jsonRect(rect));
}
