// MessageHooks: the thread's message hooks in one registry. A window that
// must see messages before the loop that runs it registers a listener; one
// hook of each kind is set while anyone listens, and every listener of that
// kind is asked, oldest first, until one takes the message.
#pragma once

#include "toolkit/Handles.h"

// Where a hook sees the thread's messages.
enum class HookPoint {
    // In a dialog box's own loop (WH_MSGFILTER, MSGF_DIALOGBOX), before the
    // focused control takes a key. A taken message goes no further.
    DialogLoop,
    // As the thread takes them from its queue (WH_GETMESSAGE, removed
    // messages only), whichever loop does it. A taken message becomes
    // WM_NULL.
    Retrieval,
};

class MessageListener {
public:
    virtual ~MessageListener() = default;
    // True when the listener has dealt with `message`: no later listener
    // and no loop sees it.
    virtual bool take(MSG& message) = 0;
};

// Listens for as long as it lives: the hook procedures get no context, so
// the registry is the one place that knows who listens.
class HookRegistration {
public:
    HookRegistration(HookPoint point, MessageListener& listener);
    ~HookRegistration();
    HookRegistration(const HookRegistration&) = delete;
    HookRegistration& operator=(const HookRegistration&) = delete;

private:
    HookPoint point_;
    MessageListener& listener_;
};
