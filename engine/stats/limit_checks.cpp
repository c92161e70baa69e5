// Whether the design meets the additional decision error limits.

#include <cmath>

#include "engine/dqo_record.h"
#include "engine/messages.h"
#include "engine/number_text.h"
#include "engine/record_views.h"
#include "engine/stats/analysis.h"
#include "engine/stats/normal.h"
#include "engine/stats/sample_size.h"

namespace {

// An error rate may exceed its limit by this much and still count as met.
constexpr double kRateTolerance = 0.001;

} // namespace

bool CAnalysis::IsFalseRejectionRow(int row) const
{
    const bool below = row == kRowBelow1 || row == kRowBelow2;
    return m_rec.nCalcBaseline == 0 ? !below : below;
}

double CAnalysis::DistanceFromOtherBound(double x) const
{
    return m_rec.nCalcBaseline == 0 ? x - m_rec.dCalcLower : m_rec.dCalcUpper - x;
}

void CAnalysis::ReportInternalError(const char* where)
{
    m_messages.Show(kTitleInternalError,
                    FormatText("m_dqoCurrent.nParameter = %d in %s", Parameter(), where),
                    MessageIcon::Warning);
}

void CAnalysis::CheckAdditionalLimits()
{
    for (int k = 0; k < kAdditionalRows; ++k) {
        const int row = kAdditionalRowOf[k];
        m_rec.bNotSatisfied[k] =
            m_rec.dErrorLimit[row] != 0 ? CheckAdditionalLimit(row, m_rec.nDesign) : 0;
    }
}

int CAnalysis::CheckAdditionalLimit(int row, int design)
{
    const double rootN = std::sqrt(static_cast<double>(m_rec.nCalcSamples));
    double se = m_rec.dCalcSD / rootN;
    if (design == kStratified)
        se = StratifiedStandardError() / rootN;
    else if (design == kComposite)
        se = CompositeSD() / rootN;

    if (row == kRowLower || row == kRowUpper)
        return 0;
    if (IsFalseRejectionRow(row))
        return design == kStratified ? CheckStrataFalseRejection(row) : check_fpos(row, rootN * se);
    return check_fneg(row, design == kStratified ? rootN * se : se, design);
}

int CAnalysis::check_fpos(int row, double sd)
{
    const double limit = m_rec.dErrorLimit[row];
    const double x = m_rec.dErrorPoint[row];
    const double b = OtherBound();
    const double delta = DistanceFromOtherBound(x);
    const double zl = NormalQuantile(limit);
    const double zb = ZBeta();
    int needed = 0;
    switch (Parameter()) {
    case kOneMean: {
        const double ratio = (zl + zb) * sd / delta;
        needed = RoundSampleSize(ratio * ratio + 0.5 * zl * zl);
        break;
    }
    case kOneProportion: {
        const double ratio =
            (zl * std::sqrt(x * (1.0 - x)) + zb * std::sqrt(b * (1.0 - b))) / (x - b);
        needed = RoundSampleSize(ratio * ratio);
        break;
    }
    case kTwoMean:
        needed = TwoMeanSampleSize(sd, std::fabs(delta), limit, m_rec.dBeta);
        break;
    case kTwoProportion:
        needed = TwoProportionSampleSize(x, b, limit, m_rec.dBeta);
        break;
    default:
        ReportInternalError("check_fpos");
        return 0;
    }
    return needed > m_rec.nCalcSamples ? 1 : 0;
}

int CAnalysis::check_fneg(int row, double se, int design)
{
    const double limit = m_rec.dErrorLimit[row];
    const double x = m_rec.dErrorPoint[row];
    const double gap = m_rec.dCalcActionLevel - x;
    double g = 0;
    switch (Parameter()) {
    case kOneMean:
        g = gap / se;
        break;
    case kOneProportion:
        g = design == kStratified ? gap / (m_rec.dCalcUpper - m_rec.dCalcLower) * GrayRegionZSpan()
                                  : gap / std::sqrt(x * (1.0 - x) / m_rec.dCalcSamples);
        break;
    case kTwoMean: {
        const double fromAl =
            m_rec.nCalcBaseline == 0 ? m_rec.dCalcUpper - x : x - m_rec.dCalcLower;
        return TwoMeanSampleSize(m_rec.dCalcSD, std::fabs(fromAl), m_rec.dAlpha, limit) >
                       m_rec.nCalcSamples
                   ? 1
                   : 0;
    }
    case kTwoProportion:
        return TwoProportionSampleSize(x, AlBound(), m_rec.dAlpha, limit) > m_rec.nCalcSamples ? 1
                                                                                               : 0;
    default:
        ReportInternalError("check_fneg");
        return 0;
    }
    // Below the gray region the curve itself is the error rate, above it its complement.
    const double y = DecisionZ(g);
    const bool below = row == kRowBelow1 || row == kRowBelow2;
    const double rate = below ? 1.0 - NormalCdf(y) : NormalCdf(y);
    return rate - limit > kRateTolerance ? 1 : 0;
}

int CAnalysis::CheckStrataFalseRejection(int row)
{
    const double limit = m_rec.dErrorLimit[row];
    const double x = m_rec.dErrorPoint[row];
    const double z = ZBeta() + NormalQuantile(limit);
    const double s = WeightedStratumSum();
    for (int h = 0; h < StrataCount(); ++h) {
        const double value = m_rec.dStratumValue[h];
        const double weight = m_rec.dStratumWeight[h];
        double needed = 0;
        if (Parameter() == kOneProportion) {
            const double ratio = z / (x - OtherBound());
            needed = ratio * ratio * value * (1.0 - value) * weight;
        } else {
            const double ratio = z / (DistanceFromOtherBound(x) / std::sqrt(weight * value * s));
            needed = ratio * ratio;
        }
        if (RoundSampleSize(needed) > m_rec.nStratumSamples[h])
            return 1;
    }
    return 0;
}
