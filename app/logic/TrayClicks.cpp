// TrayClicks: the click-or-hold decision on the tray icon.
#include "app/logic/TrayClicks.h"

#include <utility>

TrayAction TrayClicks::onMouse(TrayMouse mouse, bool busy) {
    if (!startedUp_) {
        return TrayAction::Nothing;
    }
    if (busy) {
        // The open tabbed window or the running read keeps the icon from
        // starting anything else.
        return mouse == TrayMouse::LeftDown ? TrayAction::BringForward : TrayAction::Nothing;
    }
    switch (mouse) {
    case TrayMouse::LeftDown:
        pendingClick_ = true;
        return TrayAction::WaitForHold;
    case TrayMouse::LeftUp: {
        const bool click = pendingClick_;
        pendingClick_ = false;
        return click ? TrayAction::OpenVocabularies : TrayAction::Nothing;
    }
    case TrayMouse::LeftDoubleClick:
        pendingClick_ = false;
        return TrayAction::OpenVocabularies;
    case TrayMouse::RightDown:
        return TrayAction::ShowMenu;
    case TrayMouse::Other:
        break;
    }
    return TrayAction::Nothing;
}

TrayAction TrayClicks::afterHold() {
    // A release or double click during the wait has already decided.
    if (!pendingClick_) {
        return TrayAction::Nothing;
    }
    pendingClick_ = false;
    return TrayAction::StartDrag;
}

TrayAction TrayClicks::onSecondStart(bool busy) {
    if (!startedUp_) {
        secondStartWaiting_ = true;
        return TrayAction::Nothing;
    }
    return busy ? TrayAction::ShowOpenWindow : TrayAction::OpenVocabularies;
}

bool TrayClicks::finishStartUp() {
    startedUp_ = true;
    return std::exchange(secondStartWaiting_, false);
}
