#include "engine/analysis_pass.h"

#include <algorithm>
#include <cmath>
#include <optional>

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

// The number of samples (per population for two samples) that the total
// cost buys with the current costs, the inverse of the cost shown; none when
// a sample costs nothing, since then no total says how many to take.
std::optional<int> SamplesForCost(const DQORecord& rec, double cost)
{
    double perSample = 0;
    double fixed = 0;
    if (rec.nDesign == kComposite) {
        perSample = rec.fCompositingCost + rec.dCalcLabCost;
        if (rec.bFieldCostTotal == 0)
            perSample += rec.nAliquots * rec.dCalcFieldCost;
        else
            fixed = rec.dCalcFieldCost;
    } else {
        // Widened before they are added, as every sum of costs is.
        perSample = rec.fLabCost;
        if (rec.bFieldCostTotal == 0)
            perSample += static_cast<double>(rec.fFieldCost);
        else
            fixed = rec.fFieldCost;
    }
    if (!(perSample > 0))
        return std::nullopt;
    if (!IsTwoSample(rec.nParameter))
        return TruncToInt(std::ceil((cost - fixed) / perSample));
    // Two samples cost twice one population's samples and field cost.
    if (rec.bFieldCostTotal == 0)
        return TruncToInt(std::ceil(cost / perSample)) / 2;
    return TruncToInt(std::ceil((cost * 0.5 - fixed) / perSample));
}

} // namespace

void AcceptTypedSamplesAndCost(DQORecord& rec, int samples, double totalCost)
{
    // Only what is typed now counts: a size typed on a refused try is gone.
    rec.bSamplesChanged = 0;
    const long long typedCents = WholeCents(totalCost);
    if (samples != rec.nSamples) {
        rec.nUserSamples = samples;
        rec.bSamplesChanged = 1;
    } else if (typedCents != WholeCents(rec.dCalcTotalCost) && typedCents > 0) {
        if (const std::optional<int> bought = SamplesForCost(rec, totalCost)) {
            rec.nUserSamples = *bought;
            rec.bSamplesChanged = 1;
        }
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
