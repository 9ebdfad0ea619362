// The Change Icon dialog: the file-name field, "..", and the owner-drawn
// one-row list of the file's icons with the preview.
#include "ui/ChangeIconDialog.h"

#include "resources/PageIds.h"
#include "toolkit/RedrawFreeze.h"
#include "ui/OpenFileDialog.h"

const MessageHandler<ChangeIconDialog> ChangeIconDialog::kMessages[] = {
    {WM_DRAWITEM, &ChangeIconDialog::onDrawItem},
};

const CommandHandler<ChangeIconDialog> ChangeIconDialog::kCommands[] = {
    {IDC_ICON_FILE, &ChangeIconDialog::onFileFocused, EN_SETFOCUS},
    {IDC_ICON_FILE, &ChangeIconDialog::onFileChanged, EN_CHANGE},
    {IDC_ICON_FILE, &ChangeIconDialog::onFileLeft, EN_KILLFOCUS},
    {IDC_ICON_BROWSE, &ChangeIconDialog::onBrowse},
    {IDC_ICON_LIST, &ChangeIconDialog::updatePreview, LBN_SELCHANGE},
    {IDC_ICON_LIST, &ChangeIconDialog::onOk, LBN_DBLCLK},
    {IDOK, &ChangeIconDialog::onOk},
    {IDCANCEL, &ChangeIconDialog::onCancel},
};

const MessageMap<ChangeIconDialog> ChangeIconDialog::kMap{kMessages, kCommands, {}};

namespace {
constexpr const char* kInitialPattern = "*.exe;*.dll;*.ico";
constexpr const char* kIconFilter =
    "*.exe | *.exe | *.dll | *.dll | *.ico | *.ico | *.icl | *.icl | *.* | *.* ||";
} // namespace

bool ChangeIconDialog::run(HWND owner) {
    return runModal(owner, IDD_CHANGE_ICON) == IDOK;
}

HWND ChangeIconDialog::iconList() const {
    return item(IDC_ICON_LIST);
}

BOOL ChangeIconDialog::onInit() {
    preview_.attach(item(IDC_ICON_PREVIEW));
    // Square cells as tall as the list's client area (the scroll bar is
    // always there, so the height never changes).
    RECT client{};
    GetClientRect(iconList(), &client);
    SendMessageA(iconList(), LB_SETITEMHEIGHT, 0, client.bottom);
    SendMessageA(iconList(), LB_SETCOLUMNWIDTH, client.bottom, 0);
    showValues();
    loadIcons();
    showValues();
    return TRUE;
}

INT_PTR ChangeIconDialog::onDrawItem(WPARAM, LPARAM drawItem) {
    auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(drawItem);
    if (draw->CtlID != IDC_ICON_LIST || draw->itemID == static_cast<UINT>(-1))
        return FALSE;
    // The list's own colours: the window background, and the selection's
    // highlight, so that every colour scheme (high contrast too) shows both.
    bool selected = draw->itemState & ODS_SELECTED;
    FillRect(draw->hDC, &draw->rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    auto icon = reinterpret_cast<HICON>(draw->itemData);
    int side = draw->rcItem.bottom - draw->rcItem.top - 3;
    if (icon)
        DrawIconEx(draw->hDC, draw->rcItem.left + 2, draw->rcItem.top + 2, icon, side, side, 0,
                   nullptr, DI_NORMAL);
    if (draw->itemState & ODS_FOCUS)
        DrawFocusRect(draw->hDC, &draw->rcItem);
    return TRUE;
}

void ChangeIconDialog::loadIcons() {
    int count = fileIconCount(fileName);
    RedrawFreeze frozen(iconList());
    releaseIcons();
    SendMessageA(iconList(), LB_INITSTORAGE, count, 0);
    for (int index = 0; index < count; ++index) {
        icons_.push_back(extractFileIcon(fileName, index));
        SendMessageA(iconList(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(icons_.back().get()));
    }
    if (iconIndex >= 0 && iconIndex < count)
        SendMessageA(iconList(), LB_SETCURSEL, iconIndex, 0);
    updatePreview();
}

void ChangeIconDialog::releaseIcons() {
    // Empty the list first: it must never draw an icon already destroyed.
    SendMessageA(iconList(), LB_RESETCONTENT, 0, 0);
    icons_.clear();
}

void ChangeIconDialog::updatePreview() {
    auto chosen = SendMessageA(iconList(), LB_GETCURSEL, 0, 0);
    if (chosen == LB_ERR) {
        if (icons_.empty())
            return;
        chosen = 0;
        SendMessageA(iconList(), LB_SETCURSEL, 0, 0);
    }
    // The list keeps its own icons; the preview shows a copy of its own.
    HICON icon = icons_[chosen].get();
    preview_.show(Icon(icon ? CopyIcon(icon) : nullptr));
}

void ChangeIconDialog::showValues() {
    filling_ = true;
    setItemText(IDC_ICON_FILE, fileName);
    filling_ = false;
    if (iconIndex >= 0 && iconIndex < static_cast<int>(icons_.size()))
        SendMessageA(iconList(), LB_SETCURSEL, iconIndex, 0);
}

void ChangeIconDialog::readValues() {
    fileName = itemText(IDC_ICON_FILE);
    iconIndex = static_cast<int>(SendMessageA(iconList(), LB_GETCURSEL, 0, 0));
}

void ChangeIconDialog::reloadIfRenamed() {
    readValues();
    if (fileName == focusName_)
        return;
    iconIndex = 0;
    loadIcons();
}

void ChangeIconDialog::onFileFocused() {
    focusName_ = itemText(IDC_ICON_FILE);
}

void ChangeIconDialog::onFileChanged() {
    if (!filling_)
        edited_ = true;
}

void ChangeIconDialog::onFileLeft() {
    reloadIfRenamed();
}

void ChangeIconDialog::onBrowse() {
    std::string path;
    if (!askFileToOpen(hwnd(), kInitialPattern, kIconFilter, path))
        return;
    fileName = path;
    iconIndex = 0;
    loadIcons();
    showValues();
}

// Enter after typing a file name loads its icons; the next OK closes.
void ChangeIconDialog::onOk() {
    SetFocus(item(IDOK));
    if (edited_) {
        edited_ = false;
        reloadIfRenamed();
        return;
    }
    readValues();
    releaseIcons();
    end(IDOK);
}

void ChangeIconDialog::onCancel() {
    releaseIcons();
    end(IDCANCEL);
}
