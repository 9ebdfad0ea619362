// Timing helpers of the benchmark.
#include "BenchTiming.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

Timing Timing::of(std::vector<double> seconds) {
    std::sort(seconds.begin(), seconds.end());
    Timing timing;
    timing.runs = static_cast<int>(seconds.size());
    if (!seconds.empty()) {
        timing.best = seconds.front();
        timing.median = seconds[seconds.size() / 2];
    }
    return timing;
}

double now() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double secondsSince(double start) {
    return now() - start;
}

namespace {

void writeFile(const std::string& path, std::string_view bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file != nullptr) {
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
}

} // namespace

GrepRunner::GrepRunner(const std::vector<std::string>& needles) {
    char pattern[] = "/tmp/search_bench.XXXXXX";
    if (mkdtemp(pattern) != nullptr) {
        folder_ = pattern;
    }
    std::string lines;
    for (const std::string& needle : needles) {
        lines += needle + "\n";
    }
    writeFile(folder_ + "/needles", lines);
}

GrepRunner::~GrepRunner() {
    for (const char* name : {"/needles", "/document", "/count"}) {
        std::remove((folder_ + name).c_str());
    }
    rmdir(folder_.c_str());
}

Timing GrepRunner::time(std::string_view document) {
    writeFile(folder_ + "/document", document);
    const std::string command = "LC_ALL=C grep -F -i -c -f " + folder_ + "/needles " + folder_ +
                                "/document > " + folder_ + "/count";
    return measure(3.0, 5, [&] {
        if (std::system(command.c_str()) == -1) {
            std::fprintf(stderr, "search_bench: grep did not run\n");
        }
    });
}
