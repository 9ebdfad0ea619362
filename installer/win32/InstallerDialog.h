// InstallerDialog: the small dialog base of the installer. A static dialog
// procedure stores the object on WM_INITDIALOG and hands each command to the
// class's table of handlers, one entry per line:
//   const CommandHandler<X> X::kCommands[2] = {{IDOK, &X::onOk}, ...};
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

template <class T> struct CommandHandler {
    int id;
    void (T::*handler)();
};

// Runs the handler for `id` from `table`; false when the table has none.
template <class T, std::size_t N>
bool dispatchCommand(T& self, const CommandHandler<T> (&table)[N], int id) {
    for (const CommandHandler<T>& entry : table) {
        if (entry.id == id) {
            (self.*entry.handler)();
            return true;
        }
    }
    return false;
}

class InstallerDialog {
public:
    InstallerDialog() = default;
    InstallerDialog(const InstallerDialog&) = delete;
    InstallerDialog& operator=(const InstallerDialog&) = delete;
    // A modeless dialog's window goes with its object.
    virtual ~InstallerDialog();

    HWND hwnd() const { return hwnd_; }
    HWND item(int id) const { return GetDlgItem(hwnd_, id); }

    // DialogBoxParamA, modal over every window of the installer: the value
    // given to end(), or -1.
    INT_PTR runModal(HWND owner, int templateId);
    // CreateDialogParamA: the window, or null.
    HWND createModeless(HWND owner, int templateId);
    // Ends a modal run; a modeless dialog is hidden.
    void end(INT_PTR result) { EndDialog(hwnd_, result); }

    std::string itemText(int id) const;
    void setItemText(int id, const std::string& text) const;
    bool isChecked(int id) const { return IsDlgButtonChecked(hwnd_, id) == BST_CHECKED; }
    void setChecked(int id, bool on) const;
    // A message box over this window with the installer's caption, modal
    // over every window of the installer.
    int ask(const char* text, UINT style) const;

protected:
    // WM_INITDIALOG; FALSE when the handler has set the focus itself.
    virtual BOOL onInit() { return TRUE; }
    // True when the class's table took the command; IDOK and IDCANCEL that
    // no table takes end the dialog with their own value.
    virtual bool onCommand(int id) = 0;
    // Any other message the class wants (painting); true when handled.
    virtual bool onMessage(UINT message, WPARAM w, LPARAM l, INT_PTR& result);

private:
    static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l);
    INT_PTR handle(UINT message, WPARAM w, LPARAM l);

    HWND hwnd_ = nullptr;
    bool modeless_ = false;
};
