// The entry list's window procedure in front of the list control's.
#include "ui/EntryListInput.h"

#include <shellapi.h>

namespace {

// The control's own procedure, kept in its user data, which list views
// leave to their owner.
WNDPROC controlProcedure(HWND list) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(list, GWLP_USERDATA));
}

LRESULT CALLBACK entryListProcedure(HWND list, UINT message, WPARAM w, LPARAM l) {
    WNDPROC own = controlProcedure(list);
    if (message == WM_GETDLGCODE) {
        auto* key = reinterpret_cast<const MSG*>(l);
        LRESULT code = CallWindowProcA(own, list, message, w, l);
        if (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN)
            code |= DLGC_WANTMESSAGE;
        return code;
    }
    if (message == WM_DROPFILES)
        return SendMessageA(GetParent(list), message, w, l);
    return CallWindowProcA(own, list, message, w, l);
}

} // namespace

void takeEntryListInput(HWND list) {
    SetWindowLongPtrA(list, GWLP_USERDATA, GetWindowLongPtrA(list, GWLP_WNDPROC));
    SetWindowLongPtrA(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(entryListProcedure));
    DragAcceptFiles(list, TRUE);
}
