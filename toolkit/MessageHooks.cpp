// The registry of message listeners behind the thread's two hooks.
#include "toolkit/MessageHooks.h"

#include <algorithm>
#include <vector>

namespace {

// The listeners of one hook point, and its hook while there are any.
struct Listeners {
    Hook hook;
    std::vector<MessageListener*> all;
};

// The program's windows all run on one thread.
Listeners gListeners[2];

Listeners& ListenersAt(HookPoint point) {
    return gListeners[point == HookPoint::DialogLoop ? 0 : 1];
}

// A listener may run a loop of its own ("Go to" waits while it plays its
// keys) in which listeners come and go: the list is read afresh at every
// step, and nothing is read after the one that took the message.
bool OfferToListeners(HookPoint point, MSG& message) {
    const std::vector<MessageListener*>& all = ListenersAt(point).all;
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i]->take(message))
            return true;
    return false;
}

LRESULT CALLBACK DialogLoopHook(int code, WPARAM w, LPARAM l) {
    if (code == MSGF_DIALOGBOX &&
        OfferToListeners(HookPoint::DialogLoop, *reinterpret_cast<MSG*>(l)))
        return TRUE;
    return CallNextHookEx(nullptr, code, w, l);
}

LRESULT CALLBACK RetrievalHook(int code, WPARAM removal, LPARAM data) {
    auto* message = reinterpret_cast<MSG*>(data);
    if (code == HC_ACTION && removal == PM_REMOVE &&
        OfferToListeners(HookPoint::Retrieval, *message))
        message->message = WM_NULL;
    return CallNextHookEx(nullptr, code, removal, data);
}

HHOOK SetHook(HookPoint point) {
    if (point == HookPoint::DialogLoop)
        return SetWindowsHookExA(WH_MSGFILTER, DialogLoopHook, nullptr, GetCurrentThreadId());
    return SetWindowsHookExA(WH_GETMESSAGE, RetrievalHook, nullptr, GetCurrentThreadId());
}

} // namespace

HookRegistration::HookRegistration(HookPoint point, MessageListener& listener)
    : point_(point), listener_(listener) {
    Listeners& listeners = ListenersAt(point_);
    if (!listeners.hook)
        listeners.hook.reset(SetHook(point_));
    listeners.all.push_back(&listener_);
}

HookRegistration::~HookRegistration() {
    Listeners& listeners = ListenersAt(point_);
    auto& all = listeners.all;
    all.erase(std::remove(all.begin(), all.end(), &listener_), all.end());
    if (all.empty())
        listeners.hook.reset();
}
