// IconDrag: the drag image on the timers, Escape, and the drop that reads.
#include "reading/win32/IconDrag.h"

#include "app/Application.h"
#include "app/MainWindow.h"
#include "reading/win32/DocumentWindowTracker.h"
#include "reading/win32/PumpingWait.h"
#include "reading/win32/Reads.h"
#include "reading/win32/Win32Input.h"

namespace {

constexpr int kHalfIcon = 16;
constexpr UINT kDragPeriodMs = 60;
constexpr DWORD kAfterStartMs = 50;
constexpr DWORD kAfterDropClickMs = 100;

bool IsDown(int virtualKey) {
    return (GetAsyncKeyState(virtualKey) & 0x8000) != 0;
}

HWND TopLevelWindowAt(POINT point) {
    HWND window = WindowFromPoint(point);
    while (HWND parent = window ? GetParent(window) : nullptr)
        window = parent;
    return window;
}

} // namespace

IconDrag::IconDrag(HWND mainWindow)
    : mainWindow_(mainWindow), images_(ImageList_Create(32, 32, ILC_COLOR32 | ILC_MASK, 1, 1)) {}

void IconDrag::start(HICON icon, int vocabularyIndex) {
    if (active_ || !icon)
        return;
    vocabularyIndex_ = vocabularyIndex;
    POINT pointer{};
    GetCursorPos(&pointer);
    // The image's hot spot comes from where the pointer lands at (16, 16): a
    // screen that clips the pointer shifts it like the pointer.
    SetCursorPos(kHalfIcon, kHalfIcon);
    POINT hot{};
    GetCursorPos(&hot);
    active_ = true;
    ImageList_ReplaceIcon(images_.get(), -1, icon);
    ImageList_DragShowNolock(TRUE);
    position_ = {hot.x - kHalfIcon, hot.y - kHalfIcon};
    ImageList_BeginDrag(images_.get(), 0, position_.x, position_.y);
    ImageList_DragEnter(nullptr, position_.x, position_.y);
    SetCursorPos(pointer.x, pointer.y);
    ImageList_DragMove(pointer.x - kHalfIcon, pointer.y - kHalfIcon);
    PumpingWait(kAfterStartMs);
    // A tick of timer 1 during the wait may already have dropped the icon.
    if (active_)
        SetTimer(mainWindow_, MainWindow::kDragTimer, kDragPeriodMs, nullptr);
}

// Escape cancels the drag; the release of the button afterwards drops
// nothing, since the timers no longer call this.
void IconDrag::step() {
    if (IsDown(VK_ESCAPE))
        end();
    if (IsDown(VK_LBUTTON)) {
        POINT pointer{};
        GetCursorPos(&pointer);
        position_ = {pointer.x - kHalfIcon, pointer.y - kHalfIcon};
        ImageList_DragMove(position_.x, position_.y);
        return;
    }
    bool wasActive = active_;
    end();
    if (wasActive)
        drop();
}

void IconDrag::end() {
    if (!active_)
        return;
    active_ = false;
    KillTimer(mainWindow_, MainWindow::kDragTimer);
    ImageList_DragLeave(nullptr);
    ImageList_EndDrag();
    ImageList_Remove(images_.get(), 0);
    // Wine cannot read other programs' windows back through the desktop's
    // DC, so the drag "restores" black where it went; everything repaints.
    RedrawWindow(nullptr, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// The window under the pointer comes to the front and gets a click at the
// drop point; the tracker then decides whether it is a document.
void IconDrag::drop() {
    DocumentWindowTracker& tracker = app().tracker();
    tracker.clear();
    POINT pointer{};
    GetCursorPos(&pointer);
    SetForegroundWindow(TopLevelWindowAt(pointer));
    SendMouseButton(MouseButton::Left, false);
    SendMouseButton(MouseButton::Left, true);
    PumpingWait(kAfterDropClickMs);
    tracker.update();
    if (!IsWindow(tracker.window()))
        return;
    if (vocabularyIndex_ < 0)
        ReadAllVocabularies();
    else
        ReadVocabulary(vocabularyIndex_);
}
