// The icon drag's hold, Escape and drop.
#include "reading/DragTicks.h"

// Escape wins over a held button: the user may press it mid-drag.
DragAction DragTicks::step(bool escapeDown, bool primaryDown, bool moved) {
    if (!active_)
        return DragAction::Nothing;
    if (escapeDown) {
        active_ = false;
        return DragAction::Cancel;
    }
    if (primaryDown)
        return moved ? DragAction::Follow : DragAction::Nothing;
    active_ = false;
    return DragAction::Drop;
}
