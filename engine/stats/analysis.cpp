#include "engine/stats/analysis.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <functional>

#include "engine/dqo_record.h"
#include "engine/messages.h"
#include "engine/number_text.h"
#include "engine/stats/normal.h"
#include "engine/stats/sample_size.h"

namespace {

constexpr const char* kTooLargeText =
    "The error rates for the bounds of the gray region have been\n"
    "set to 0.5.  To resume your analysis adjust these error\n"
    "rates and other data quality objectives such as the standard\n"
    "deviation or the bounds of the gray region.";
constexpr const char* kMuchLargerText =
    "Sample size is much larger than necessary.\nProgram will adjust the size accordingly.";
constexpr const char* kMinimumSizeText =
    "Minimum sample size allowed is 2.\nProgram will adjust the size accordingly.";
constexpr const char* kSmallerOneSampleText =
    "False acceptance error rate is greater than 0.5.\nSample size is much smaller than "
    "necessary.\nProgram will adjust the size accordingly.";
constexpr const char* kSmallerTwoSampleText =
    "False Acceptance error rate is greater than 0.5.\nSample size is much smaller than "
    "necessary.\nProgram will adjust the size accordingly.";

// The rate the engine keeps for a size whose rate came out as exactly 0.
constexpr double kSmallestRate = 0.000001;

// With no samples nothing is ever detected: the false acceptance rate is 1.
constexpr double kRateWithoutSamples = 1.0;

} // namespace

CAnalysis::CAnalysis(DQORecord& rec, Messages& messages) : m_rec(rec), m_messages(messages) {}

int CAnalysis::Parameter() const
{
    return m_rec.nCalcParameter - 1;
}

double CAnalysis::ZAlpha() const
{
    return NormalQuantile(m_rec.dAlpha);
}

double CAnalysis::ZBeta() const
{
    return NormalQuantile(m_rec.dBeta);
}

double CAnalysis::AlBound() const
{
    return m_rec.nCalcBaseline == 0 ? m_rec.dCalcUpper : m_rec.dCalcLower;
}

double CAnalysis::OtherBound() const
{
    return m_rec.nCalcBaseline == 0 ? m_rec.dCalcLower : m_rec.dCalcUpper;
}

double CAnalysis::DecisionZ(double g) const
{
    return m_rec.nCalcBaseline == 0 ? g - ZAlpha() : g + ZAlpha();
}

void CAnalysis::SelectErrorLimits()
{
    // Alpha is always the false rejection limit at the action level, beta the
    // false acceptance limit at the other bound.
    const bool atMost = m_rec.nCalcBaseline != 0;
    m_rec.dAlpha = m_rec.dErrorLimit[atMost ? kRowLower : kRowUpper];
    m_rec.dBeta = m_rec.dErrorLimit[atMost ? kRowUpper : kRowLower];
}

double CAnalysis::SizeWithinLimit(int limit, const std::function<double()>& realSize)
{
    const double x = realSize();
    if (x <= limit)
        return x;
    AdjustTooLarge(limit);
    // With the adjusted limits the size is small; it is never adjusted twice.
    return AdjustedSize(realSize());
}

// After the too-large adjustment both limits are 0.5, whose quantile the
// approximation gives as -1.01e-7 instead of 0. The size is then 2 (per
// stratum); the residue must not bring back a large size when the gray
// region is narrow against the standard deviation.
double CAnalysis::AdjustedSize(double x) const
{
    return m_bAdjusted ? std::min(x, 2.0) : x;
}

void CAnalysis::OneMeanSampleSize(double sd, int perStratum, int design)
{
    const auto squared = [&] {
        const double ratio = (ZAlpha() + ZBeta()) / ((m_rec.dCalcUpper - m_rec.dCalcLower) / sd);
        return ratio * ratio;
    };
    const auto realSize = [&] { return squared() + 0.5 * ZAlpha() * ZAlpha(); };
    const int limit = design == kStratified ? StrataLimit() : kSampleSizeLimit;
    // A stratum's share is neither limited nor given the small-sample term.
    const double x = perStratum == 1 ? AdjustedSize(squared()) : SizeWithinLimit(limit, realSize);
    m_rec.nCalcSamples = std::max(2, RoundSampleSize(x));
    m_rec.dCalcSamples = AdjustedSize(squared());
}

void CAnalysis::OneProportionSampleSize()
{
    const double p0 = AlBound();
    const double p1 = OtherBound();
    const double x = SizeWithinLimit(kSampleSizeLimit, [&] {
        const double ratio =
            (ZAlpha() * std::sqrt(p0 * (1.0 - p0)) + ZBeta() * std::sqrt(p1 * (1.0 - p1))) /
            (p0 - p1);
        return ratio * ratio;
    });
    m_rec.nCalcSamples = std::max(2, RoundSampleSize(x));
    m_rec.dCalcSamples = x;
}

void CAnalysis::OneMeanErrorRate(double se)
{
    const double d = (m_rec.dCalcUpper - m_rec.dCalcLower) / se;
    const double w = std::max(0.0, m_rec.nCalcSamples - 0.5 * ZAlpha() * ZAlpha());
    m_rec.dBeta = 1.0 - NormalCdf(d * std::sqrt(w) - ZAlpha());
}

void CAnalysis::OneProportionErrorRate()
{
    const double p0 = AlBound();
    const double p1 = OtherBound();
    const double s0 = std::sqrt(p0 * (1.0 - p0));
    const double s1 = std::sqrt(p1 * (1.0 - p1));
    const double rootN = std::sqrt(static_cast<double>(m_rec.nCalcSamples));
    const double y = m_rec.nCalcBaseline == 0 ? (rootN * (p0 - p1) - ZAlpha() * s0) / s1
                                              : (-ZAlpha() * s0 - rootN * (p0 - p1)) / s1;
    m_rec.dBeta = 1.0 - NormalCdf(y);
}

void CAnalysis::ComputeCost()
{
    const double n = m_rec.nCalcSamples;
    const double cost = m_rec.bFieldCostTotal == 0 ? (m_rec.dCalcFieldCost + m_rec.dCalcLabCost) * n
                                                   : n * m_rec.dCalcLabCost + m_rec.dCalcFieldCost;
    // Two-sample sizes are per population.
    m_rec.dCalcTotalCost = IsTwoSample(Parameter()) ? 2.0 * cost : cost;
}

void PerformanceCurveX(const DQORecord& rec, double x[kCurvePoints])
{
    if (rec.nCalcParameter - 1 == kTwoProportion) {
        for (int i = 0; i < kCurvePoints; ++i)
            x[i] = -1.0 + 0.02 * i;
        return;
    }
    const double step = (rec.dCalcMaximum - rec.dCalcMinimum) * 0.01;
    double value = rec.dCalcMinimum;
    for (int i = 0; i < kCurvePoints; ++i, value += step)
        x[i] = value;
}

double CAnalysis::CurveStandardError()
{
    if (m_rec.nDesign == kStratified)
        return StratifiedStandardError();
    const double sd = m_rec.nDesign == kComposite ? CompositeSD() : m_rec.dCalcSD;
    return sd / std::sqrt(m_rec.dCalcSamples);
}

// The argument of the normal distribution function at each of the n points x.
void CAnalysis::CurveArguments(const double* x, double* g, int n)
{
    // What does not change along the curve is taken once, not per point;
    // each point is then worked out step by step as a whole array.
    const double a = AlBound();
    switch (Parameter()) {
    case kOneMean: {
        const double se = CurveStandardError();
        const double level = m_rec.dCalcActionLevel;
        for (int i = 0; i < n; ++i)
            g[i] = (level - x[i]) / se;
        break;
    }
    case kOneProportion:
        if (m_rec.nDesign == kStratified) {
            const double width = m_rec.dCalcUpper - m_rec.dCalcLower;
            const double span = GrayRegionZSpan();
            for (int i = 0; i < n; ++i)
                g[i] = (a - x[i]) / width * span;
        } else {
            const double samples = m_rec.dCalcSamples;
            double variance[kCurvePoints];
            for (int i = 0; i < n; ++i)
                variance[i] = x[i] * (1.0 - x[i]) / samples;
            PowHalfs(variance, g, n);
            for (int i = 0; i < n; ++i)
                g[i] = (a - x[i]) / g[i];
        }
        break;
    case kTwoMean: {
        const double root = std::sqrt(m_rec.nCalcSamples * 0.4310344827586207);
        const double sd = m_rec.dCalcSD;
        for (int i = 0; i < n; ++i)
            g[i] = root * (a - x[i]) / sd;
        break;
    }
    default: {
        const double root = std::sqrt(2.0 * std::max(0, m_rec.nSamples));
        for (int i = 0; i < n; ++i)
            g[i] = root * (a - x[i]) / (2.0 * std::sqrt(0.1875));
        break;
    }
    }
    // As DecisionZ(g), with the quantile taken once.
    const double zAlpha = ZAlpha();
    const double sign = m_rec.nCalcBaseline == 0 ? -1.0 : 1.0;
    for (int i = 0; i < n; ++i)
        g[i] += sign * zAlpha;
}

void CAnalysis::ComputePerformanceCurve()
{
    if (m_rec.nCalcSamples <= 2)
        m_rec.dCalcSamples = 2;
    double x[kCurvePoints];
    PerformanceCurveX(m_rec, x);
    // The end points of a proportion's curve, where x(1 - x) can be 0, take
    // their neighbours' values.
    const bool proportion = Parameter() == kOneProportion;
    if (proportion)
        m_rec.dCalcActionLevel = AlBound();
    const int first = proportion ? 1 : 0;
    const int last = kCurvePoints - 1 - first;
    const int count = last - first + 1;
    // In arrays of their own, which the compiler knows alias nothing in the record.
    double z[kCurvePoints];
    CurveArguments(x + first, z + first, count);
    double cdf[kCurvePoints];
    NormalCdfs(z + first, cdf + first, count);
    for (int i = first; i <= last; ++i)
        m_rec.dCurve[i] = 1.0 - cdf[i];
    m_rec.dCurve[0] = m_rec.dCurve[first];
    m_rec.dCurve[kCurvePoints - 1] = m_rec.dCurve[last];
}

void CAnalysis::ComputeOneSampleDesign(int design)
{
    SelectErrorLimits();
    if (Parameter() == kOneMean) {
        switch (design) {
        case kComposite:
            OneMeanSampleSize(CompositeSD(), 0, kComposite);
            CompositeCost();
            return;
        case kStratified:
            if (StratifiedMeanSampleSize())
                StratifiedFallback();
            break;
        default:
            OneMeanSampleSize(m_rec.dCalcSD, 0, kSimpleRandom);
            break;
        }
    } else if (design == kStratified) {
        if (StratifiedProportionSampleSize())
            StratifiedFallback();
    } else {
        OneProportionSampleSize();
    }
    ComputeCost();
}

void CAnalysis::ComputeTwoSampleDesign()
{
    SelectErrorLimits();
    const double upper = m_rec.dErrorPoint[kRowUpper];
    const double lower = m_rec.dErrorPoint[kRowLower];
    const auto realSize = [&] {
        return Parameter() == kTwoMean
                   ? TwoMeanRealSize(m_rec.dSD, std::fabs(upper - lower), m_rec.dAlpha, m_rec.dBeta)
                   : TwoProportionRealSize(upper, lower, m_rec.dAlpha, m_rec.dBeta);
    };
    // Two-sample sizes have no limit of their own, but must fit an int.
    m_rec.nCalcSamples = TruncToInt(SizeWithinLimit(INT_MAX, realSize));
    ComputeCost();
}

void CAnalysis::EvaluateOneSample(int design, int n)
{
    m_rec.dCalcSamples = n;
    m_rec.nCalcSamples = n;
    if (n <= 0)
        m_rec.dBeta = kRateWithoutSamples;
    else if (Parameter() == kOneMean && design == kComposite)
        OneMeanErrorRate(CompositeSD());
    else if (Parameter() == kOneMean && design == kStratified)
        StratifiedMeanErrorRate();
    else if (Parameter() == kOneMean)
        OneMeanErrorRate(m_rec.dCalcSD);
    else if (design == kStratified)
        StratifiedProportionErrorRate();
    else
        OneProportionErrorRate();
    FinishErrorRate();
    SpreadLowerLimit();
    SpreadUpperLimit();
}

void CAnalysis::FinishErrorRate()
{
    if (m_rec.dBeta == 0) {
        m_messages.Show(kTitleTalo, kMuchLargerText, MessageIcon::Information);
        m_rec.dBeta = kSmallestRate;
    } else if (m_rec.dBeta > 0.5) {
        m_messages.Show(kTitleTalo,
                        m_rec.nUserSamples > 1 ? kSmallerOneSampleText : kMinimumSizeText,
                        MessageIcon::Information);
        m_rec.dBeta = 0.5;
    }
    m_rec.dErrorLimit[m_rec.nCalcBaseline == 0 ? kRowLower : kRowUpper] = m_rec.dBeta;
}

void CAnalysis::EvaluateTwoSample(int n)
{
    const double upper = m_rec.dErrorPoint[kRowUpper];
    const double lower = m_rec.dErrorPoint[kRowLower];
    if (n <= 0)
        m_rec.dBeta = kRateWithoutSamples;
    else if (Parameter() == kTwoProportion)
        m_rec.dBeta = 1.0 - TwoProportionPower(upper, lower, m_rec.dAlpha, n);
    else
        m_rec.dBeta = 1.0 - TwoMeanPower(m_rec.dSD, std::fabs(upper - lower), m_rec.dAlpha, n);

    if (m_rec.dBeta > 0.5) {
        if (n >= 2)
            m_messages.Show(kTitleTalo, kSmallerTwoSampleText, MessageIcon::Warning);
        else
            m_messages.Show(kTitleTalo, kMinimumSizeText, MessageIcon::Information);
        m_rec.dBeta = 0.5;
    } else if (m_rec.dBeta == 0) {
        m_messages.Show(kTitleTalo, kMuchLargerText, MessageIcon::Information);
        m_rec.dBeta = kSmallestRate;
    }
    ComputeCost();
}

void CAnalysis::ReportTooLarge(int limit)
{
    m_messages.Show(kTitleTooLarge,
                    FormatText("Sample size is larger than %d.\n\n", limit) + kTooLargeText,
                    MessageIcon::Warning);
}

void CAnalysis::SpreadLowerLimit()
{
    if (m_rec.dErrorPoint[kRowBelow2] == m_rec.dErrorPoint[kRowLower])
        m_rec.dErrorLimit[kRowBelow2] = m_rec.dErrorLimit[kRowBelow1] =
            m_rec.dErrorLimit[kRowLower];
}

void CAnalysis::SpreadUpperLimit()
{
    if (m_rec.dErrorPoint[kRowAbove1] == m_rec.dErrorPoint[kRowUpper])
        m_rec.dErrorLimit[kRowAbove1] = m_rec.dErrorLimit[kRowAbove2] =
            m_rec.dErrorLimit[kRowUpper];
}

void CAnalysis::AdjustTooLarge(int limit)
{
    // Only the calculation block changes: the user's limits stay in the inputs.
    m_rec.dBeta = m_rec.dAlpha = 0.5;
    m_rec.dErrorLimit[kRowUpper] = m_rec.dErrorLimit[kRowLower] = 0.5;
    SpreadLowerLimit();
    SpreadUpperLimit();
    ReportTooLarge(limit);
    m_bAdjusted = true;
}
