#include "engine/analysis_pass.h"

#include <algorithm>
#include <cmath>

#include "engine/dqo_record.h"
#include "engine/number_text.h"
#include "engine/stats/analysis.h"

void ComputeAnalysisPass(DQORecord& rec, Messages& messages)
{
    CAnalysis analysis(rec, messages);
    if (!IsTwoSample(rec.nParameter))
        analysis.ComputeOneSampleDesign(rec.nDesign);
    else
        analysis.ComputeTwoSampleDesign();
    rec.dTotalCost = rec.dCalcTotalCost;
    rec.nSamples = rec.nCalcSamples;
    analysis.CheckAdditionalLimits();
    analysis.ComputePerformanceCurve();
    FillPlotSpec(rec);
}

namespace {

// Costs have no upper limit, so whole cents are counted in 64 bits.
long long WholeCents(double amount)
{
    constexpr double kMostCents = 9.0e18;
    const double cents = std::trunc(amount * 100.0 + 0.5);
    if (std::isnan(cents))
        return 0;
    return static_cast<long long>(std::clamp(cents, -kMostCents, kMostCents));
}

// The number of samples that the total cost buys with the current costs.
int SamplesForCost(const DQORecord& rec, double cost)
{
    double samples = 0;
    if (rec.nDesign == kComposite) {
        const double perSample = rec.fCompositingCost + rec.dCalcLabCost;
        samples = rec.bFieldCostTotal == 0 ? cost / (rec.nAliquots * rec.dCalcFieldCost + perSample)
                                           : (cost - rec.dCalcFieldCost) / perSample;
    } else {
        // Widened before they are added, as every sum of costs is.
        samples = rec.bFieldCostTotal == 0
                      ? cost / (static_cast<double>(rec.fFieldCost) + rec.fLabCost)
                      : (cost - rec.fFieldCost) / rec.fLabCost;
    }
    return TruncToInt(std::ceil(samples));
}

} // namespace

void AcceptTypedSamplesAndCost(DQORecord& rec, int samples, double totalCost)
{
    const long long typedCents = WholeCents(totalCost);
    if (samples != rec.nSamples) {
        rec.nUserSamples = samples;
        rec.bSamplesChanged = 1;
    } else if (typedCents != WholeCents(rec.dCalcTotalCost) && typedCents > 0) {
        rec.nUserSamples = SamplesForCost(rec, totalCost);
        if (IsTwoSample(rec.nParameter))
            rec.nUserSamples /= 2;
        rec.bSamplesChanged = 1;
    }
}

void ApplyTypedSamples(DQORecord& rec, Messages& messages)
{
    if (rec.bSamplesChanged != 1)
        return;
    CAnalysis analysis(rec, messages);
    if (!IsTwoSample(rec.nParameter))
        analysis.EvaluateOneSample(rec.nDesign, rec.nUserSamples);
    else
        analysis.EvaluateTwoSample(rec.nUserSamples);
    const float rate = NarrowToFloat(rec.dBeta);
    if (rec.nCalcBaseline == kBaselineAtMost)
        rec.fLimitAtUpper = rate;
    else
        rec.fLimitAtLower = rate;
    rec.bSamplesChanged = 0;
}
