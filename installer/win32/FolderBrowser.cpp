// The shell's folder browser (see FolderBrowser.h).
#include "installer/win32/FolderBrowser.h"

#include "installer/PathRules.h"
#include "installer/win32/ModalScope.h"
#include "resources/InstallIds.h"

#include <objbase.h>
#include <shlobj.h>

namespace {

// The folder browser is built of COM objects and needs COM on the calling
// thread, in a single-threaded apartment, for as long as it runs.
class ComApartment {
public:
    ComApartment() : initialized_(SUCCEEDED(CoInitialize(nullptr))) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (initialized_)
            CoUninitialize();
    }

private:
    bool initialized_;
};

// The item list the browser returns belongs to the shell's allocator.
class ItemList {
public:
    explicit ItemList(LPITEMIDLIST list) : list_(list) {}
    ItemList(const ItemList&) = delete;
    ItemList& operator=(const ItemList&) = delete;
    ~ItemList() {
        IMalloc* allocator = nullptr;
        if (list_ && SUCCEEDED(SHGetMalloc(&allocator))) {
            allocator->Free(list_);
            allocator->Release();
        }
    }
    explicit operator bool() const { return list_ != nullptr; }

private:
    LPITEMIDLIST list_;
};

// Keeps the path of the item last selected; an item without one leaves an
// empty path.
int CALLBACK onBrowserEvent(HWND, UINT message, LPARAM l, LPARAM data) {
    if (message == BFFM_SELCHANGED) {
        char* path = reinterpret_cast<char*>(data);
        if (!SHGetPathFromIDListA(reinterpret_cast<LPCITEMIDLIST>(l), path))
            path[0] = '\0';
    }
    return 0;
}

} // namespace

bool browseForFolder(HWND owner, std::string& folder) {
    char title[64] = {};
    LoadStringA(GetModuleHandleA(nullptr), IDS_BROWSE_TITLE, title, sizeof title);
    char selected[kMaxPath] = {};
    char displayName[kMaxPath] = {};
    BROWSEINFOA info{};
    info.hwndOwner = owner;
    info.pszDisplayName = displayName;
    info.lpszTitle = title;
    info.lpfn = &onBrowserEvent;
    info.lParam = reinterpret_cast<LPARAM>(selected);
    const ComApartment com;
    const ModalScope modal(owner);
    const ItemList chosen(SHBrowseForFolderA(&info));
    if (!chosen || selected[0] == '\0')
        return false;
    folder = selected;
    return true;
}
