// The caller's line in the failures of a test helper that asserts.
#pragma once

#include <gtest/gtest.h>

// Where a helper that asserts was called from. As the last parameter with the
// default `{}`, it is made at the call, so __builtin_FILE and __builtin_LINE
// name the caller's line; TRACE_CALLER adds that line to every failure the
// helper reports, as the __LINE__ wrappers of Wine's tests do.
struct Caller {
    Caller(const char* file = __builtin_FILE(), int line = __builtin_LINE())
        : file(file), line(line) {}
    const char* file;
    int line;
};

#define TRACE_CALLER(caller)                                                                       \
    const ::testing::ScopedTrace callerTrace((caller).file, (caller).line, "called from here")
