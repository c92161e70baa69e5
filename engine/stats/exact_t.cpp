#include "engine/stats/exact_t.h"

#include <climits>
#include <cmath>
#include <exception>

// Errors come back as values, checked below, also where Boost's own
// internals use the default policy.
#define BOOST_MATH_DOMAIN_ERROR_POLICY errno_on_error
#define BOOST_MATH_POLE_ERROR_POLICY errno_on_error
#define BOOST_MATH_OVERFLOW_ERROR_POLICY errno_on_error
#define BOOST_MATH_EVALUATION_ERROR_POLICY errno_on_error
#define BOOST_MATH_ROUNDING_ERROR_POLICY errno_on_error
#define BOOST_MATH_INDETERMINATE_RESULT_ERROR_POLICY errno_on_error

#include <boost/math/distributions/non_central_t.hpp>
#include <boost/math/distributions/students_t.hpp>

#include "engine/dqo_record.h"

namespace {

// Beyond this noncentrality Boost's series would count its terms past int's
// range and run for minutes; no rate is given there.
constexpr double kLargestNoncentrality = 1e4;

// The search doubles n up to here, which stays within int's range.
constexpr int kLargestSize = 1 << 30;

bool IsProbability(double p)
{
    return p > 0 && p < 1;
}

} // namespace

std::optional<double> ExactTBeta(double effect, double alpha, double n, bool twoSample)
{
    if (!std::isfinite(effect) || effect < 0 || !IsProbability(alpha) || !(n >= 2))
        return std::nullopt;
    const double df = twoSample ? 2 * n - 2 : n - 1;
    const double delta = twoSample ? effect / std::sqrt(2 / n) : effect * std::sqrt(n);
    if (!(delta <= kLargestNoncentrality))
        return std::nullopt;
    double beta = NAN;
    try {
        const double critical =
            boost::math::quantile(boost::math::students_t_distribution<double>(df), 1 - alpha);
        beta =
            boost::math::cdf(boost::math::non_central_t_distribution<double>(df, delta), critical);
    } catch (const std::exception&) {
        // What the policies above do not turn into a value gives no rate.
    }
    if (!std::isfinite(beta))
        return std::nullopt;
    return std::fmin(std::fmax(beta, 0.0), 1.0);
}

std::optional<int> ExactTSampleSize(double effect, double alpha, double beta, bool twoSample)
{
    if (!IsProbability(beta))
        return std::nullopt;
    // Power grows with n: double until it is enough, then halve the interval.
    const auto enough = [&](int n) -> std::optional<bool> {
        const std::optional<double> rate = ExactTBeta(effect, alpha, n, twoSample);
        if (!rate)
            return std::nullopt;
        return *rate <= beta;
    };
    int below = 1;
    int above = 2;
    for (;;) {
        const std::optional<bool> reached = enough(above);
        if (!reached)
            return std::nullopt;
        if (*reached)
            break;
        if (above >= kLargestSize)
            return std::nullopt;
        below = above;
        above *= 2;
    }
    while (above - below > 1) {
        const int middle = below + (above - below) / 2;
        const std::optional<bool> reached = enough(middle);
        if (!reached)
            return std::nullopt;
        (*reached ? above : below) = middle;
    }
    return above;
}

std::optional<ExactTCheck> ExactTCrossCheck(const DQORecord& rec)
{
    if ((rec.nParameter != kOneMean && rec.nParameter != kTwoMean) ||
        rec.nDesign != kSimpleRandom || !(rec.dSD > 0))
        return std::nullopt;
    // Alpha is the limit at the action level, beta the one at the other bound.
    const bool atMost = rec.nBaseline == kBaselineAtMost;
    const double alpha = atMost ? rec.fLimitAtLower : rec.fLimitAtUpper;
    const double beta = atMost ? rec.fLimitAtUpper : rec.fLimitAtLower;
    const double effect = std::fabs(rec.dUpperBound - rec.dLowerBound) / rec.dSD;
    const bool twoSample = rec.nParameter == kTwoMean;
    return ExactTCheck{ExactTSampleSize(effect, alpha, beta, twoSample),
                       ExactTBeta(effect, alpha, rec.nSamples, twoSample)};
}
