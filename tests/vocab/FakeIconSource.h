// FakeIconSource: an IconSource for tests that records the lookups asked of
// it and answers with handles of its own.
#pragma once

#include "vocab/IconSource.h"

#include <string>
#include <vector>

class FakeIconSource : public IconSource {
public:
    IconHandle shellIcon(const std::string& path) override {
        calls.push_back("shell " + path);
        return &shellIconHandle;
    }
    IconHandle extractIcon(const std::string& file, int index) override {
        calls.push_back("extract " + file + " " + std::to_string(index));
        return &extractedIconHandle;
    }

    std::vector<std::string> calls;
    int shellIconHandle = 0;
    int extractedIconHandle = 0;
};
