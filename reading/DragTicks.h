// DragTicks: the icon drag's rules, one timer tick at a time. The drag
// follows the pointer while the primary button is held, Escape cancels it
// (the release that follows drops nothing), and the release drops the icon
// on the window under the pointer.
#pragma once

enum class DragAction {
    Nothing, // no drag, or held still
    Follow,  // held and moved: the image follows the pointer
    Cancel,  // Escape: the drag ends and nothing is read
    Drop,    // released: the drag ends and the window under the pointer is read
};

class DragTicks {
public:
    void start() { active_ = true; }
    bool active() const { return active_; }
    // One tick, from the state of the keys and of the pointer since the last
    // tick; a drag that ends answers no further tick.
    DragAction step(bool escapeDown, bool primaryDown, bool moved);

private:
    bool active_ = false;
};
