// The icon drag's ticks: follow while held, Escape cancels for good, the
// release drops once.
#include "reading/DragTicks.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Tick {
    bool escape;
    bool held;
    bool moved;
    DragAction action;
};

struct DragCase {
    const char* name;
    bool started;
    std::vector<Tick> ticks;
};

const DragCase kCases[] = {
    {"held still, moved, released",
     true,
     {{false, true, false, DragAction::Nothing},
      {false, true, true, DragAction::Follow},
      {false, false, true, DragAction::Drop},
      // The drag has ended: a later release or move does nothing.
      {false, false, false, DragAction::Nothing},
      {false, true, true, DragAction::Nothing}}},
    // The release after Escape must not drop: it would click into and read
    // whatever window lies under the pointer.
    {"Escape while held, then released",
     true,
     {{false, true, true, DragAction::Follow},
      {true, true, false, DragAction::Cancel},
      {false, false, false, DragAction::Nothing}}},
    {"Escape in the tick of the release",
     true,
     {{true, false, false, DragAction::Cancel}, {false, false, false, DragAction::Nothing}}},
    {"Escape while moving", true, {{true, true, true, DragAction::Cancel}}},
    {"never started",
     false,
     {{false, true, true, DragAction::Nothing},
      {true, true, false, DragAction::Nothing},
      {false, false, false, DragAction::Nothing}}},
};

} // namespace

TEST(DragTicks, FollowsWhileHeldCancelsOnEscapeAndDropsOnceOnRelease) {
    for (const DragCase& c : kCases) {
        SCOPED_TRACE(c.name);
        DragTicks ticks;
        if (c.started)
            ticks.start();
        int index = 0;
        for (const Tick& tick : c.ticks) {
            const bool wasActive = ticks.active();
            const DragAction action = ticks.step(tick.escape, tick.held, tick.moved);
            EXPECT_EQ(action, tick.action) << "tick " << index;
            // The drag is over exactly when a tick cancelled or dropped it.
            const bool ended = action == DragAction::Cancel || action == DragAction::Drop;
            EXPECT_EQ(ticks.active(), wasActive && !ended) << "tick " << index;
            ++index;
        }
    }
}

TEST(DragTicks, ADragEndedByEscapeCanStartAgain) {
    DragTicks ticks;
    ticks.start();
    EXPECT_EQ(ticks.step(true, true, false), DragAction::Cancel);
    ticks.start();
    EXPECT_TRUE(ticks.active());
    EXPECT_EQ(ticks.step(false, false, false), DragAction::Drop);
}
