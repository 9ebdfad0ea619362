// The rules that tell a document window from the taskbar and the desktop.
#include "reading/DocumentWindowRules.h"

namespace {

// GetParent follows owners as well as parents; a broken chain must not loop.
constexpr int kMaxAncestors = 256;

// The desktop in its several guises: Explorer's "Program Manager", the
// system's desktop window, and the shell's desktop window. On Wine's virtual
// desktop a click on the empty desktop or the taskbar puts the desktop window
// itself in front.
bool IsDesktop(WindowQuery& query, WindowHandle topLevel) {
    if (query.title(topLevel) == "Program Manager")
        return true;
    for (WindowHandle desktop : {query.desktopWindow(), query.shellWindow()})
        if (desktop && (topLevel == desktop || TopLevelAncestor(query, desktop) == topLevel))
            return true;
    return false;
}

} // namespace

WindowHandle TopLevelAncestor(WindowQuery& query, WindowHandle window) {
    for (int i = 0; i < kMaxAncestors; ++i) {
        WindowHandle up = query.parent(window);
        if (!up)
            break;
        window = up;
    }
    return window;
}

bool IsDocumentWindow(WindowQuery& query, WindowHandle window) {
    if (!window || !query.isWindow(window))
        return false;
    if (query.className(window) == "Shell_TrayWnd")
        return false;
    if (IsDesktop(query, TopLevelAncestor(query, window)))
        return false;
    return query.processOf(window) != query.currentProcess();
}
