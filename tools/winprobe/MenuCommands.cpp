// Commands on menus: a menu window's items, and a menu as a program's resources define it.
#include "Commands.h"

#include <vector>

namespace {

class LoadedModule {
public:
    explicit LoadedModule(const std::wstring& path)
        : module_(LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;
    ~LoadedModule() {
        if (module_)
            FreeLibrary(module_);
    }
    HMODULE get() const { return module_; }

private:
    HMODULE module_;
};

class OwnedMenu {
public:
    explicit OwnedMenu(HMENU menu) : menu_(menu) {}
    OwnedMenu(const OwnedMenu&) = delete;
    OwnedMenu& operator=(const OwnedMenu&) = delete;
    ~OwnedMenu() {
        if (menu_)
            DestroyMenu(menu_);
    }
    HMENU get() const { return menu_; }

private:
    HMENU menu_;
};

std::string menuItems(HMENU menu) {
    std::vector<std::string> items;
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = L"";
        MENUITEMINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU | MIIM_STATE;
        info.dwTypeData = text;
        info.cch = 256;
        GetMenuItemInfoW(menu, i, TRUE, &info);
        JsonObject item;
        item.addText("text", toUtf8(text)).addInt("id", info.wID);
        item.addBool("separator", (info.fType & MFT_SEPARATOR) != 0);
        item.addBool("grayed", (info.fState & MFS_GRAYED) != 0);
        item.addBool("default", (info.fState & MFS_DEFAULT) != 0);
        if (info.hSubMenu)
            item.addRaw("items", menuItems(info.hSubMenu));
        items.push_back(item.str());
    }
    return jsonArray(items);
}

} // namespace

// Items of a menu window (class #32768) through MN_GETHMENU. Wine keeps a menu's items
// in the process that made it, so there this reports an error for other programs' menus.
void cmdMenu(const Args& args, JsonObject& answer) {
    HMENU menu =
        reinterpret_cast<HMENU>(sendWithTimeout(args.existingWindow(0), MN_GETHMENU, 0, 0));
    if (GetMenuItemCount(menu) < 0)
        throw ProbeError("cannot read the menu");
    answer.addRaw("items", menuItems(menu));
}

// Arguments: program file (Windows path), menu resource name or number.
void cmdResourceMenu(const Args& args, JsonObject& answer) {
    LoadedModule module(fromUtf8(args.text(0)));
    if (!module.get())
        throw ProbeError("cannot load " + args.text(0));
    const std::string& name = args.text(1);
    std::wstring wideName = fromUtf8(name);
    bool numeric = !name.empty() && name.find_first_not_of("0123456789") == std::string::npos;
    OwnedMenu menu(
        LoadMenuW(module.get(), numeric ? MAKEINTRESOURCEW(std::stoi(name)) : wideName.c_str()));
    if (!menu.get())
        throw ProbeError("no menu " + name + " in " + args.text(0));
    answer.addRaw("items", menuItems(menu.get()));
}
