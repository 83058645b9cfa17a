// The statistics self-play reports for a match between two levels: how
// sure a win share is, and how far a mean lies from the truth. Plain
// arithmetic, so that adding the same values in the same order gives the
// same figures to the last bit, however many jobs played the games.
#pragma once

namespace brixo::selfplay {

struct Interval {
    double low = 0;
    double high = 1;
};

// The two-sided 95 % score (Wilson) interval for a share of `successes` in
// `trials`: unlike the plain p +- z*sqrt(p(1-p)/n) it stays within 0..1 and
// does not shrink to nothing at 0 or n successes. No trials tell nothing:
// 0 to 1.
Interval wilsonInterval(long successes, long trials);

// A running mean with its standard error (the sample standard deviation
// over the square root of the count), added one value at a time (Welford's
// update, which keeps its precision over long runs of large values).
class MeanEstimate {
public:
    void add(double value);
    long count() const { return m_count; }
    double mean() const { return m_mean; }
    // 0 below two values, where there is no spread to measure.
    double standardError() const;

private:
    long m_count = 0;
    double m_mean = 0;
    double m_squares = 0; // sum of squared deviations from the mean
};

} // namespace brixo::selfplay
