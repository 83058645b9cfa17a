#include "tests/support/matchstats.h"

#include <algorithm>
#include <cmath>

namespace brixo::selfplay {

namespace {
// The normal quantile for a two-sided 95 % interval.
constexpr double kZ95 = 1.959963984540054;
} // namespace

Interval wilsonInterval(long successes, long trials)
{
    if (trials <= 0) return {};
    const double n = double(trials);
    const double p = double(successes) / n;
    const double z2 = kZ95 * kZ95;
    const double scale = 1 + z2 / n;
    const double centre = (p + z2 / (2 * n)) / scale;
    const double half = kZ95 * std::sqrt(p * (1 - p) / n + z2 / (4 * n * n)) / scale;
    return {std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

void MeanEstimate::add(double value)
{
    ++m_count;
    const double delta = value - m_mean;
    m_mean += delta / double(m_count);
    m_squares += delta * (value - m_mean);
}

double MeanEstimate::standardError() const
{
    if (m_count < 2) return 0;
    return std::sqrt(m_squares / double(m_count - 1) / double(m_count));
}

} // namespace brixo::selfplay
