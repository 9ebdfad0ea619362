// The Keywords page's list control as keyword rows.
#include "ui/KeywordListView.h"

#include "resources/PageIds.h"
#include "toolkit/LoadText.h"
#include "vocab/MatchMode.h"

#include <commctrl.h>

#include <climits>

#include <string>
#include <vector>

namespace {

void addColumn(HWND list, int index, UINT headerId, int width) {
    std::string header = loadText(headerId);
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = header.data();
    column.cx = width;
    column.iSubItem = index;
    SendMessageA(list, LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&column));
}

} // namespace

void KeywordListView::setUp() const {
    RECT window{};
    GetWindowRect(list_, &window);
    int width = window.right - window.left;
    addColumn(list_, 0, IDS_COLUMN_KEYWORDS, (width / 3) * 2);
    addColumn(list_, 1, IDS_COLUMN_MATCH, width / 3 - 4);
    ListView_SetExtendedListViewStyleEx(list_, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
}

void KeywordListView::clear() const {
    ListView_DeleteAllItems(list_);
}

void KeywordListView::reserveRows(int count) const {
    ListView_SetItemCount(list_, count);
}

void KeywordListView::selectAndFocus(int row) const {
    UINT states = LVIS_SELECTED | LVIS_FOCUSED;
    ListView_SetItemState(list_, row, states, states);
}

void KeywordListView::ensureVisible(int row) const {
    ListView_EnsureVisible(list_, row, FALSE);
}

int KeywordListView::rowCount() const {
    return ListView_GetItemCount(list_);
}

bool KeywordListView::isSelected(int row) const {
    return ListView_GetItemState(list_, row, LVIS_SELECTED) & LVIS_SELECTED;
}

int KeywordListView::nextSelectedRow(int row) const {
    return ListView_GetNextItem(list_, row, LVNI_SELECTED);
}

std::string KeywordListView::rowText(int row) const {
    // The control copies at most the buffer and says how much it copied:
    // grow until the text fits with room to spare.
    std::vector<char> buffer(256);
    for (;;) {
        LVITEMA item{};
        item.iSubItem = 0;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(buffer.size());
        auto length = SendMessageA(list_, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
        if (length < static_cast<LRESULT>(buffer.size()) - 1)
            return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 4);
    }
}

int32_t KeywordListView::rowMode(int row) const {
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    SendMessageA(list_, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return static_cast<int32_t>(item.lParam);
}

// A position past the end appends: no count asked for on every row of a fill.
void KeywordListView::appendRow(const std::string& text, int32_t mode) {
    insertRow(INT_MAX, text, mode);
}

void KeywordListView::insertRow(int row, const std::string& text, int32_t mode) {
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = row;
    item.pszText = const_cast<char*>(text.c_str());
    item.lParam = mode;
    int inserted =
        static_cast<int>(SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    if (inserted >= 0)
        setMode(inserted, mode);
}

void KeywordListView::setRow(int row, const std::string& text, int32_t mode) {
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = row;
    item.pszText = const_cast<char*>(text.c_str());
    item.lParam = mode;
    SendMessageA(list_, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    setMode(row, mode);
}

void KeywordListView::deleteRow(int row) {
    ListView_DeleteItem(list_, row);
}

void KeywordListView::setSelected(int row, bool on) {
    ListView_SetItemState(list_, row, on ? LVIS_SELECTED : 0, LVIS_SELECTED);
}

void KeywordListView::setMode(int row, int32_t mode) const {
    LVITEMA item{};
    item.iSubItem = 1;
    item.pszText = const_cast<char*>(matchModeText(mode));
    SendMessageA(list_, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
}
