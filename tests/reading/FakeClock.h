// A clock for the keeper's watch: waits advance it at once, and other
// programs' copies scheduled for a time happen when it gets there.
#pragma once

#include "reading/ClipboardKeeper.h"

#include <functional>
#include <utility>
#include <vector>

class FakeClock : public WatchClock {
public:
    uint32_t now() override { return now_; }
    void wait(unsigned ms) override {
        now_ += ms;
        waited += ms;
        runUntil(now_);
    }
    // `change` happens once the clock reaches `at` ms from now.
    void schedule(uint32_t at, std::function<void()> change) {
        changes_.emplace_back(now_ + at, std::move(change));
    }
    // The scheduled changes still to come, whenever they fall.
    void runAll() { runUntil(UINT32_MAX); }

    unsigned waited = 0;

private:
    void runUntil(uint32_t time) {
        for (auto& change : changes_)
            if (change.second && change.first <= time)
                std::exchange(change.second, nullptr)();
    }

    uint32_t now_ = 50000;
    std::vector<std::pair<uint32_t, std::function<void()>>> changes_;
};
