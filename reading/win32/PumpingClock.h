// PumpingClock: the keeper's watch for late copies runs on the tick count and
// keeps the messages flowing.
#pragma once

#include "reading/ClipboardKeeper.h"
#include "toolkit/PumpingWait.h"

class PumpingClock : public WatchClock {
public:
    uint32_t now() override { return GetTickCount(); }
    void wait(unsigned ms) override { PumpingWait(ms); }
};
