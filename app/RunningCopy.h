// RunningCopy: tells the installation's first running copy from a second
// start. Two copies would each hold their own store, and the last OK would
// throw the other's edits away; a second start hands over to the first and
// ends, and says so when it cannot.
#pragma once

#include "toolkit/Handles.h"

#include <cstdint>

class RunningCopy {
public:
    // What the first copy answers a second start's request with.
    static constexpr LRESULT kAnswer = 0x5A46;

    // Made before anything else of the program: a named mutex for the
    // program's folder, seen by every session where the system has more.
    RunningCopy();
    bool isFirst() const { return first_; }
    // Asks the first copy to show what a click on its tray icon shows; tells
    // the user when it does not answer or cannot be reached from here.
    void wakeFirst() const;

    // The number that a second start's request carries, so that a copy of
    // another installation leaves the request alone.
    static uint32_t installation();

private:
    KernelHandle mutex_;
    bool first_ = true;
};
