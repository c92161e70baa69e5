// Composite and stratified designs.

#include <algorithm>
#include <climits>
#include <cmath>

#include "engine/dqo_record.h"
#include "engine/record_views.h"
#include "engine/stats/analysis.h"
#include "engine/stats/normal.h"
#include "engine/stats/sample_size.h"

double CAnalysis::CompositeSD() const
{
    // The measurement part of the variance is not reduced by compositing.
    const double r2 = m_rec.dSDRatio * m_rec.dSDRatio;
    const int aliquots = std::max(1, m_rec.nAliquots);
    return std::sqrt((r2 + (1.0 - r2) / aliquots) * m_rec.dCalcSD * m_rec.dCalcSD);
}

void CAnalysis::CompositeCost()
{
    const double n = m_rec.nCalcSamples;
    const double lab = m_rec.dCalcLabCost;
    const double field = m_rec.dCalcFieldCost;
    const double comp = m_rec.fCompositingCost;
    m_rec.dCalcTotalCost = m_rec.bFieldCostTotal == 0 ? (m_rec.nAliquots * field + comp + lab) * n
                                                      : (comp + lab) * n + field;
}

int CAnalysis::StrataCount() const
{
    return ::StrataCount(m_rec);
}

int CAnalysis::StrataLimit() const
{
    return StrataCount() * kSampleSizeLimit;
}

bool CAnalysis::EqualStratumValues() const
{
    for (int h = 1; h < StrataCount(); ++h) {
        if (m_rec.dStratumValue[h - 1] != m_rec.dStratumValue[h])
            return false;
    }
    return true;
}

double CAnalysis::WeightedStratumSum() const
{
    double sum = 0;
    for (int h = 0; h < StrataCount(); ++h)
        sum += m_rec.dStratumWeight[h] * m_rec.dStratumValue[h];
    return sum;
}

void CAnalysis::SumStratumSamples()
{
    long long total = 0;
    for (int h = 0; h < StrataCount(); ++h)
        total += m_rec.nStratumSamples[h];
    m_rec.nCalcSamples = static_cast<int>(std::min<long long>(total, INT_MAX));
}

int CAnalysis::StratifiedMeanSampleSize()
{
    const int strata = StrataCount();
    if (EqualStratumValues()) {
        // Proportional allocation of the simple random size.
        OneMeanSampleSize(m_rec.dStratumValue[0], 0, kStratified);
        const double full = m_rec.dCalcSamples + 0.5 * ZAlpha() * ZAlpha();
        for (int h = 0; h < strata; ++h) {
            m_rec.nStratumSamples[h] = std::max(2, RoundSampleSize(full * m_rec.dStratumWeight[h]));
            m_rec.dStratumExact[h] = m_rec.dCalcSamples * m_rec.dStratumWeight[h];
        }
        SumStratumSamples();
    } else {
        // Neyman allocation.
        const double s = WeightedStratumSum();
        double exactTotal = 0;
        for (int h = 0; h < strata; ++h) {
            OneMeanSampleSize(std::sqrt(s * m_rec.dStratumWeight[h] * m_rec.dStratumValue[h]), 1,
                              kStratified);
            m_rec.nStratumSamples[h] = m_rec.nCalcSamples;
            m_rec.dStratumExact[h] = m_rec.dCalcSamples;
            exactTotal += m_rec.dCalcSamples;
        }
        SumStratumSamples();
        m_rec.dCalcSamples = exactTotal;
    }
    return m_rec.nCalcSamples > StrataLimit() ? 1 : 0;
}

// The stratified proportion's curve is a straight line in z through the two
// gray-region limits. With both limits at 0.5 it is flat: the sum of their
// quantiles, -2.02e-7 by the approximation, must not turn it around.
double CAnalysis::GrayRegionZSpan() const
{
    return std::max(0.0, ZBeta() + ZAlpha());
}

int CAnalysis::StratifiedProportionSampleSize()
{
    const double ratio = (ZBeta() + ZAlpha()) / (m_rec.dCalcUpper - m_rec.dCalcLower);
    const double c = ratio * ratio;
    double exactTotal = 0;
    for (int h = 0; h < StrataCount(); ++h) {
        const double p = m_rec.dStratumValue[h];
        m_rec.dStratumExact[h] = AdjustedSize(c * p * (1.0 - p) * m_rec.dStratumWeight[h]);
        m_rec.nStratumSamples[h] = std::max(2, RoundSampleSize(m_rec.dStratumExact[h]));
        exactTotal += m_rec.dStratumExact[h];
    }
    SumStratumSamples();
    m_rec.dCalcSamples = exactTotal;
    return m_rec.nCalcSamples > StrataLimit() ? 1 : 0;
}

void CAnalysis::StratifiedFallback()
{
    AdjustTooLarge(StrataLimit());
    if (Parameter() == kOneMean)
        StratifiedMeanSampleSize();
    else
        StratifiedProportionSampleSize();
}

double CAnalysis::StratifiedStandardError()
{
    double variance = 0;
    for (int h = 0; h < StrataCount(); ++h) {
        m_rec.dStratumExact[h] = std::max(2.0, m_rec.dStratumExact[h]);
        const double spread = m_rec.dStratumWeight[h] * m_rec.dStratumValue[h];
        variance += spread * spread / m_rec.dStratumExact[h];
    }
    return std::sqrt(variance);
}

void CAnalysis::StratifiedMeanErrorRate()
{
    const double n = m_rec.nCalcSamples;
    const double width = m_rec.dCalcUpper - m_rec.dCalcLower;
    if (EqualStratumValues()) {
        double s2 = 0;
        for (int h = 0; h < StrataCount(); ++h)
            s2 += m_rec.dStratumValue[h] * m_rec.dStratumValue[h] * m_rec.dStratumWeight[h];
        const double d = width / std::sqrt(s2);
        const double w = std::max(0.0, n - 0.5 * ZAlpha() * ZAlpha());
        m_rec.dBeta = 1.0 - NormalCdf(std::sqrt(w) * d - ZAlpha());
    } else {
        const double root = std::sqrt(std::max(0.0, n - 1.0));
        m_rec.dBeta = 1.0 - NormalCdf(root * width / WeightedStratumSum() - ZAlpha());
    }
}

void CAnalysis::StratifiedProportionErrorRate()
{
    double s = 0;
    for (int h = 0; h < StrataCount(); ++h) {
        const double p = m_rec.dStratumValue[h];
        s += (1.0 - p) * m_rec.dStratumWeight[h] * p;
    }
    const double width = m_rec.dCalcLower - m_rec.dCalcUpper;
    const double v = std::max(0.0, width * width * (m_rec.nCalcSamples - 1) / s);
    m_rec.dBeta = 1.0 - NormalCdf(std::sqrt(v) - ZAlpha());
}
