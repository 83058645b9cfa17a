// The figures a benchmark prints of a set of times: median, mean, 99th
// percentile and worst.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

struct TimingSummary {
    double median = 0;
    double mean = 0;
    double p99 = 0;
    double worst = 0;
};

// Of at least one time.
inline TimingSummary summarizeTimes(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    double total = 0;
    for (const double t : times) total += t;
    const auto at = [&](double q) { return times[std::min(times.size() - 1, std::size_t(q * double(times.size())))]; };
    return {at(0.5), total / double(times.size()), at(0.99), times.back()};
}
