// RunningCopy: tells the program's first running copy from a second start.
// Two copies would each hold their own store, and the last OK would throw
// the other's edits away; a second start hands over to the first and ends.
#pragma once

#include "toolkit/Handles.h"

class RunningCopy {
public:
    // Made before anything else of the program: a named mutex, which every
    // system from Windows 95 and NT 4.0 on shares between processes.
    RunningCopy();
    bool isFirst() const { return first_; }
    // Asks the first copy to show what a click on its tray icon shows.
    void wakeFirst() const;

private:
    KernelHandle mutex_;
    bool first_ = true;
};
