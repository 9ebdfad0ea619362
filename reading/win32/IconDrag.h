// IconDrag: an icon dragged by the program itself (not a platform drag and
// drop), followed on the timers, dropped on a document to read it.
#pragma once

#include "reading/DragTicks.h"
#include "reading/ScreenPointer.h"
#include "toolkit/Handles.h"

class DocumentWindowTracker;

#include <windows.h>

#include <vector>

class IconDrag {
public:
    // Reads the document an icon was dropped on: one vocabulary, or all of
    // them when the index is -1. The drop's click is handed on: the read's
    // own click must not make a double click of the two.
    using DropRead = void (*)(int vocabularyIndex, const SentClick& dropClick);

    // The drag follows the pointer on timer `timerId` of `timerWindow`,
    // whose owner calls step() on each tick; a drop on a window the tracker
    // takes for a document calls `read`.
    IconDrag(HWND timerWindow, UINT_PTR timerId, DocumentWindowTracker& tracker, DropRead read);
    // Starts dragging `icon`; index -1 reads all vocabularies on the drop.
    // The caller keeps the icon: the drag image list holds its own copy.
    void start(HICON icon, int vocabularyIndex);
    // One tick: follow the pointer, cancel on Escape, drop on release.
    void step();
    bool active() const { return ticks_.active(); }

private:
    // Takes the image down once the drag has ended.
    void end();
    void drop();
    // Moves the image to `position_` and notes what it covers there.
    void moveImage();
    void noteCrossed(const RECT& area);
    void repaintCrossed();

    HWND timerWindow_;
    UINT_PTR timerId_;
    DocumentWindowTracker& tracker_;
    DropRead read_;
    ImageList images_;
    DragTicks ticks_;
    int vocabularyIndex_ = -1;
    POINT position_{};
    POINT hotSpot_{};
    // Where the image was drawn during this drag, and the windows it went
    // over, to repaint at its end.
    std::vector<RECT> crossed_;
    std::vector<HWND> crossedWindows_;
};
