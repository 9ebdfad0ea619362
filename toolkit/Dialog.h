// Dialog: the base of every window of the program. A static dialog procedure
// finds the object and hands each message to the class's table of handlers.
//
// A concrete class derives from DialogImpl<Itself> and defines, in its .cpp:
//   const CommandHandler<X> X::kCommands[] = {{IDC_ADD, &X::onAdd}, ...};
//   const MessageMap<X> X::kMap{kMessages, kCommands, kNotifications};
// (pass {} for a table the class does not have).
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstddef>
#include <string>

constexpr int kAnyCode = -1;

// Any message: the handler's result is the dialog procedure's result.
template <class T> struct MessageHandler {
    UINT message;
    INT_PTR (T::*handler)(WPARAM, LPARAM);
};

// WM_COMMAND from a control, menu or accelerator; code kAnyCode matches all.
template <class T> struct CommandHandler {
    int id;
    void (T::*handler)();
    int code = kAnyCode;
};

// WM_NOTIFY from a control; the result becomes the notification's answer.
template <class T> struct NotifyHandler {
    int id;
    UINT code;
    LRESULT (T::*handler)(NMHDR*);
};

template <class E> struct TableView {
    const E* data = nullptr;
    size_t size = 0;
    TableView() = default;
    template <size_t N> constexpr TableView(const E (&table)[N]) : data(table), size(N) {}
    const E* begin() const { return data; }
    const E* end() const { return data + size; }
};

template <class T> class MessageMap {
public:
    constexpr MessageMap(TableView<MessageHandler<T>> messages,
                         TableView<CommandHandler<T>> commands,
                         TableView<NotifyHandler<T>> notifications)
        : messages_(messages), commands_(commands), notifications_(notifications) {}

    // True when a handler took the message; `result` is then its answer.
    bool dispatch(T& self, HWND window, UINT message, WPARAM w, LPARAM l, INT_PTR& result) const {
        for (const auto& entry : messages_)
            if (entry.message == message) {
                result = (self.*entry.handler)(w, l);
                return true;
            }
        if (message == WM_COMMAND)
            return dispatchCommand(self, LOWORD(w), HIWORD(w), result);
        if (message == WM_NOTIFY)
            return dispatchNotify(self, window, reinterpret_cast<NMHDR*>(l), result);
        return false;
    }

private:
    bool dispatchCommand(T& self, int id, int code, INT_PTR& result) const {
        for (const auto& entry : commands_)
            if (entry.id == id && (entry.code == kAnyCode || entry.code == code)) {
                (self.*entry.handler)();
                result = TRUE;
                return true;
            }
        return false;
    }
    bool dispatchNotify(T& self, HWND window, NMHDR* header, INT_PTR& result) const {
        for (const auto& entry : notifications_)
            if (entry.id == static_cast<int>(header->idFrom) && entry.code == header->code) {
                SetWindowLongPtrA(window, DWLP_MSGRESULT, (self.*entry.handler)(header));
                result = TRUE;
                return true;
            }
        return false;
    }

    TableView<MessageHandler<T>> messages_;
    TableView<CommandHandler<T>> commands_;
    TableView<NotifyHandler<T>> notifications_;
};

class Dialog {
public:
    Dialog() = default;
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    // A modeless dialog's window goes with its object.
    virtual ~Dialog();

    HWND hwnd() const { return hwnd_; }
    HWND item(int id) const { return GetDlgItem(hwnd_, id); }

    // DialogBoxParamA: returns the value given to end(), or -1.
    INT_PTR runModal(HWND owner, int templateId);
    // CreateDialogParamA: the window, or null.
    HWND createModeless(HWND owner, int templateId);
    // Ends a modal run; a modeless dialog is hidden (EndDialog does that).
    void end(INT_PTR result) { EndDialog(hwnd_, result); }

    std::string itemText(int id) const;
    void setItemText(int id, const std::string& text) const;
    bool isChecked(int id) const { return IsDlgButtonChecked(hwnd_, id) == BST_CHECKED; }
    void setChecked(int id, bool on) const {
        CheckDlgButton(hwnd_, id, on ? BST_CHECKED : BST_UNCHECKED);
    }
    void enableItem(int id, bool on) const { EnableWindow(item(id), on); }

protected:
    // WM_INITDIALOG; return FALSE when the focus was set by the handler.
    virtual BOOL onInit() { return TRUE; }
    // IDOK and IDCANCEL end the dialog unless the class's table takes them.
    virtual void onUnhandledCommand(int id);
    virtual bool dispatch(UINT message, WPARAM w, LPARAM l, INT_PTR& result) = 0;

private:
    static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l);
    bool modeless_ = false;
    HWND hwnd_ = nullptr;
};

template <class Derived> class DialogImpl : public Dialog {
protected:
    bool dispatch(UINT message, WPARAM w, LPARAM l, INT_PTR& result) override {
        return Derived::kMap.dispatch(static_cast<Derived&>(*this), hwnd(), message, w, l, result);
    }
};
