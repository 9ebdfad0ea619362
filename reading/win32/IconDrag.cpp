// IconDrag: the drag image on the timers, Escape, and the drop that reads.
#include "reading/win32/IconDrag.h"

#include "reading/win32/DocumentWindowTracker.h"
#include "reading/win32/Win32Input.h"
#include "reading/win32/Win32WindowQuery.h"
#include "toolkit/PumpingWait.h"

#include <algorithm>

namespace {

constexpr int kHalfIcon = 16;
constexpr int kIconSize = 32;
// Short enough that a release is noticed about a frame after it happens;
// the image is moved only when the pointer has moved.
constexpr UINT kDragPeriodMs = 15;
constexpr DWORD kAfterStartMs = 50;
constexpr DWORD kAfterDropClickMs = 100;

bool IsDown(int virtualKey) {
    return (GetAsyncKeyState(virtualKey) & 0x8000) != 0;
}

HWND TopLevelWindowAt(POINT point) {
    Win32WindowQuery windows;
    return static_cast<HWND>(TopLevelAncestor(windows, WindowFromPoint(point)));
}

} // namespace

IconDrag::IconDrag(HWND timerWindow, UINT_PTR timerId, DocumentWindowTracker& tracker,
                   DropRead read)
    : timerWindow_(timerWindow), timerId_(timerId), tracker_(tracker), read_(read),
      images_(ImageList_Create(32, 32, ILC_COLOR32 | ILC_MASK, 1, 1)) {}

void IconDrag::start(HICON icon, int vocabularyIndex) {
    if (ticks_.active() || !icon)
        return;
    vocabularyIndex_ = vocabularyIndex;
    POINT pointer{};
    GetCursorPos(&pointer);
    // The image's hot spot comes from where the pointer lands at (16, 16): a
    // screen that clips the pointer shifts it like the pointer.
    SetCursorPos(kHalfIcon, kHalfIcon);
    POINT hot{};
    GetCursorPos(&hot);
    ticks_.start();
    ImageList_ReplaceIcon(images_.get(), -1, icon);
    ImageList_DragShowNolock(TRUE);
    position_ = {hot.x - kHalfIcon, hot.y - kHalfIcon};
    hotSpot_ = position_;
    crossed_.clear();
    crossedWindows_.clear();
    ImageList_BeginDrag(images_.get(), 0, position_.x, position_.y);
    ImageList_DragEnter(nullptr, position_.x, position_.y);
    noteCrossed({0, 0, kIconSize, kIconSize});
    SetCursorPos(pointer.x, pointer.y);
    position_ = {pointer.x - kHalfIcon, pointer.y - kHalfIcon};
    moveImage();
    PumpingWait(kAfterStartMs);
    // A tick of timer 1 during the wait may already have dropped the icon.
    if (ticks_.active())
        SetTimer(timerWindow_, timerId_, kDragPeriodMs, nullptr);
}

// The drag follows the user's primary button, the right one when the
// buttons are swapped.
void IconDrag::step() {
    POINT pointer{};
    GetCursorPos(&pointer);
    const POINT position{pointer.x - kHalfIcon, pointer.y - kHalfIcon};
    const bool moved = position.x != position_.x || position.y != position_.y;
    switch (ticks_.step(IsDown(VK_ESCAPE), IsButtonDown(ButtonRole::Primary), moved)) {
    case DragAction::Nothing:
        break;
    case DragAction::Follow:
        position_ = position;
        moveImage();
        break;
    case DragAction::Cancel:
        end();
        break;
    case DragAction::Drop:
        end();
        drop();
        break;
    }
}

void IconDrag::end() {
    KillTimer(timerWindow_, timerId_);
    ImageList_DragLeave(nullptr);
    ImageList_EndDrag();
    ImageList_Remove(images_.get(), 0);
    repaintCrossed();
}

// Wine cannot read other programs' windows back through the desktop's DC:
// every window the image went over is left black. Those windows repaint,
// and the desktop where the image was; a repaint of the whole screen made
// every window flicker on Windows.
void IconDrag::repaintCrossed() {
    const UINT flags = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME;
    for (HWND window : crossedWindows_) {
        if (IsWindow(window))
            RedrawWindow(window, nullptr, nullptr, flags | RDW_ALLCHILDREN);
    }
    for (const RECT& area : crossed_)
        RedrawWindow(GetDesktopWindow(), &area, nullptr, flags);
    crossed_.clear();
    crossedWindows_.clear();
}

// The image's corners and middle tell the windows it covers.
void IconDrag::noteCrossed(const RECT& area) {
    crossed_.push_back(area);
    const POINT points[] = {{area.left, area.top},
                            {area.right - 1, area.top},
                            {area.left, area.bottom - 1},
                            {area.right - 1, area.bottom - 1},
                            {(area.left + area.right) / 2, (area.top + area.bottom) / 2}};
    for (POINT point : points) {
        HWND window = TopLevelWindowAt(point);
        if (window && window != GetDesktopWindow() &&
            std::find(crossedWindows_.begin(), crossedWindows_.end(), window) ==
                crossedWindows_.end())
            crossedWindows_.push_back(window);
    }
}

// The image's top-left corner is the position less the hot spot.
void IconDrag::moveImage() {
    ImageList_DragMove(position_.x, position_.y);
    int left = position_.x - hotSpot_.x;
    int top = position_.y - hotSpot_.y;
    noteCrossed({left, top, left + kIconSize, top + kIconSize});
}

// The window under the pointer comes to the front and gets a primary click
// at the drop point (for a user who swapped the buttons a physical left
// click is a right click, which opens a menu); the tracker then decides
// whether it is a document.
void IconDrag::drop() {
    tracker_.clear();
    POINT pointer{};
    GetCursorPos(&pointer);
    SetForegroundWindow(TopLevelWindowAt(pointer));
    const SentClick click = SendPrimaryClick();
    PumpingWait(kAfterDropClickMs);
    tracker_.update();
    if (!IsWindow(tracker_.window()))
        return;
    read_(vocabularyIndex_, click);
}
