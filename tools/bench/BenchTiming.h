// Timing helpers of the benchmark: repeated runs with best and median, and
// GNU grep run on the same document for comparison.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct Timing {
    double best = 0;
    double median = 0;
    int runs = 0;
    static Timing of(std::vector<double> seconds);
};

double secondsSince(double start);
double now();

// Runs `work` at least once and again while fewer than `maxRuns` runs took
// less than `budget` seconds in all; `prepare` runs untimed before each.
template <class Prepare, class Work>
Timing measure(double budget, int maxRuns, Prepare&& prepare, Work&& work) {
    std::vector<double> seconds;
    double total = 0;
    while (seconds.empty() || (static_cast<int>(seconds.size()) < maxRuns && total < budget)) {
        prepare();
        const double start = now();
        work();
        seconds.push_back(secondsSince(start));
        total += seconds.back();
    }
    return Timing::of(seconds);
}

template <class Work> Timing measure(double budget, int maxRuns, Work&& work) {
    return measure(
        budget, maxRuns, [] {}, work);
}

// `LC_ALL=C grep -F -i -c -f needles document > count`, files in a private
// temporary folder that the runner removes.
class GrepRunner {
public:
    explicit GrepRunner(const std::vector<std::string>& needles);
    ~GrepRunner();
    GrepRunner(const GrepRunner&) = delete;
    GrepRunner& operator=(const GrepRunner&) = delete;

    Timing time(std::string_view document);

private:
    std::string folder_;
};
