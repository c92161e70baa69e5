#include "engine/dqo_record.h"

#include <algorithm>
#include <iterator>
#include <optional>

#include "engine/record_views.h"

void ResetDQORecord(DQORecord& rec)
{
    // The reset values are the member initialisers; fields without one
    // (results, calculation block) keep what they hold.
    const DQORecord fresh;
    rec.nParameter = fresh.nParameter;
    rec.dMinimum = fresh.dMinimum;
    rec.dMaximum = fresh.dMaximum;
    rec.dActionLevel = fresh.dActionLevel;
    rec.nBaseline = fresh.nBaseline;
    rec.bSDFromCV = fresh.bSDFromCV;
    rec.bFieldCostTotal = fresh.bFieldCostTotal;
    rec.dUpperBound = fresh.dUpperBound;
    rec.dLowerBound = fresh.dLowerBound;
    rec.fLabCost = fresh.fLabCost;
    rec.fFieldCost = fresh.fFieldCost;
    rec.fCompositingCost = fresh.fCompositingCost;
    rec.fLimitAtUpper = fresh.fLimitAtUpper;
    rec.fLimitAtLower = fresh.fLimitAtLower;
    rec.nAboveCount = fresh.nAboveCount;
    rec.nBelowCount = fresh.nBelowCount;
    rec.dAbove1 = fresh.dAbove1;
    rec.dAbove2 = fresh.dAbove2;
    rec.fAbove1Limit = fresh.fAbove1Limit;
    rec.fAbove2Limit = fresh.fAbove2Limit;
    rec.dBelow1 = fresh.dBelow1;
    rec.dBelow2 = fresh.dBelow2;
    rec.fBelow1Limit = fresh.fBelow1Limit;
    rec.fBelow2Limit = fresh.fBelow2Limit;
    rec.dSD = fresh.dSD;
    rec.dSDValue = fresh.dSDValue;
    rec.dCV = fresh.dCV;
    rec.dSDFromCV = fresh.dSDFromCV;
    rec.nSamples = fresh.nSamples;
    std::fill(std::begin(rec.bNotSatisfied), std::end(rec.bNotSatisfied), 0);
    rec.nDesign = fresh.nDesign;
    rec.bStrataSaved = fresh.bStrataSaved;
    rec.bCompositeSaved = fresh.bCompositeSaved;
    rec.dSDRatio = fresh.dSDRatio;
    rec.nAliquots = fresh.nAliquots;
    rec.nStrata = fresh.nStrata;
    rec.bSamplesChanged = fresh.bSamplesChanged;
    rec.bRestoreOriginal = fresh.bRestoreOriginal;
    rec.bSummaryRequested = fresh.bSummaryRequested;
    rec.bScreenAccepted = fresh.bScreenAccepted;
}

namespace {

// What choosing a parameter other than the one-sample mean puts in place.
struct ParameterDefaults {
    int code;
    double minimum;
    double maximum;
    double sd;
    double actionLevel;
    double upperBound;
    std::optional<double> sdValue;
};

constexpr ParameterDefaults kParameterDefaults[] = {
    {kOneProportion, 0, 1, 1, 0.5, 0.75, std::nullopt},
    {kTwoMean, -20, 20, 3.2, 0, 5, 6.667},
    {kTwoProportion, -1, 1, 1, 0, 0.5, std::nullopt},
};

} // namespace

void ApplyParameterDefaults(DQORecord& rec, int parameterCode)
{
    for (const ParameterDefaults& defaults : kParameterDefaults) {
        if (defaults.code != parameterCode)
            continue;
        rec.dMinimum = defaults.minimum;
        rec.dMaximum = defaults.maximum;
        rec.dSD = defaults.sd;
        rec.dActionLevel = defaults.actionLevel;
        rec.dUpperBound = defaults.upperBound;
        rec.dSDValue = defaults.sdValue.value_or(rec.dSDValue);
    }
}

void FillCalculationBlock(DQORecord& rec)
{
    // A code outside the four parameters gets no formula, so the engine
    // reports it instead of overflowing on the 1-based calculation code.
    rec.nCalcParameter = IsParameterCode(rec.nParameter) ? rec.nParameter + 1 : 0;
    rec.dCalcMaximum = rec.dMaximum;
    rec.dCalcMinimum = rec.dMinimum;
    rec.dCalcActionLevel = rec.dActionLevel;
    rec.dCalcLower = rec.dLowerBound;
    rec.dCalcUpper = rec.dUpperBound;
    rec.dCalcSD = rec.dSD;
    rec.nCalcBaseline = rec.nBaseline;
    rec.dCalcLabCost = rec.fLabCost;
    rec.dCalcFieldCost = rec.fFieldCost;
    rec.nCalcSamples = 0;

    const double points[kErrorRows] = {rec.dBelow1,     rec.dBelow2, rec.dLowerBound,
                                       rec.dUpperBound, rec.dAbove1, rec.dAbove2};
    const float limits[kErrorRows] = {rec.fBelow1Limit,  rec.fBelow2Limit, rec.fLimitAtLower,
                                      rec.fLimitAtUpper, rec.fAbove1Limit, rec.fAbove2Limit};
    std::copy(std::begin(points), std::end(points), rec.dErrorPoint);
    std::copy(std::begin(limits), std::end(limits), rec.dErrorLimit);
}

namespace {

template <typename T, size_t N> void CopyArray(T (&to)[N], const T (&from)[N])
{
    std::copy(std::begin(from), std::end(from), to);
}

// Inputs a design can be computed from.
bool HasDesignInputs(const DQORecord& rec)
{
    if (rec.nDesign == kComposite)
        return rec.dSDRatio > 0 && rec.dSDRatio < 1 && rec.nAliquots >= 1;
    if (rec.nDesign == kStratified)
        return rec.nStrata >= 2 && rec.nStrata <= kMaxStrata;
    return true;
}

void CopyDesignInputs(DQORecord& to, const DQORecord& from)
{
    to.dSDRatio = from.dSDRatio;
    to.nAliquots = from.nAliquots;
    to.fCompositingCost = from.fCompositingCost;
    to.nStrata = from.nStrata;
    CopyArray(to.dStratumValue, from.dStratumValue);
    CopyArray(to.dStratumWeight, from.dStratumWeight);
}

// What the last computation left: the numbers shown, the curve drawn and the
// calculation block the report reads.
void CopyResults(DQORecord& to, const DQORecord& from)
{
    to.nSamples = from.nSamples;
    to.dTotalCost = from.dTotalCost;
    CopyArray(to.bNotSatisfied, from.bNotSatisfied);
    to.plotSpec = from.plotSpec;
    CopyArray(to.dCurve, from.dCurve);
    to.nCalcParameter = from.nCalcParameter;
    to.dCalcMaximum = from.dCalcMaximum;
    to.dCalcMinimum = from.dCalcMinimum;
    to.dAlpha = from.dAlpha;
    to.dBeta = from.dBeta;
    to.dCalcLower = from.dCalcLower;
    to.dCalcUpper = from.dCalcUpper;
    to.dCalcActionLevel = from.dCalcActionLevel;
    to.dCalcSD = from.dCalcSD;
    to.nCalcBaseline = from.nCalcBaseline;
    to.dCalcTotalCost = from.dCalcTotalCost;
    to.dCalcLabCost = from.dCalcLabCost;
    to.dCalcFieldCost = from.dCalcFieldCost;
    to.nCalcSamples = from.nCalcSamples;
    CopyArray(to.nStratumSamples, from.nStratumSamples);
    CopyArray(to.dStratumExact, from.dStratumExact);
    to.dCalcSamples = from.dCalcSamples;
    to.nUserSamples = from.nUserSamples;
    CopyArray(to.dErrorPoint, from.dErrorPoint);
    CopyArray(to.dErrorLimit, from.dErrorLimit);
}

} // namespace

void RestoreOriginal(DQORecord& current, const DQORecord& original)
{
    DQORecord restored = original;
    restored.nDesign = current.nDesign;
    // A design chosen after the first inputs were saved keeps its own.
    if (!HasDesignInputs(restored))
        CopyDesignInputs(restored, current);
    // Until the next computation the screen and the graph show the last one.
    CopyResults(restored, current);
    current = restored;
}

void SaveFirstDesignInputs(DQORecord& current, DQORecord& original)
{
    if (current.bStrataSaved == 0 && current.nStrata > 0) {
        const int strata = StrataCount(current);
        original.nStrata = current.nStrata;
        std::copy_n(current.dStratumValue, strata, original.dStratumValue);
        std::copy_n(current.dStratumWeight, strata, original.dStratumWeight);
        current.bStrataSaved = original.bStrataSaved = 1;
    }
    if (current.bCompositeSaved == 0 && current.dSDRatio < 1) {
        original.dSDRatio = current.dSDRatio;
        original.nAliquots = current.nAliquots;
        original.fCompositingCost = current.fCompositingCost;
        current.bCompositeSaved = original.bCompositeSaved = 1;
    }
}

const char* DesignName(int design)
{
    switch (design) {
    case kSimpleRandom:
        return "Simple Random Sampling";
    case kComposite:
        return "Composite Sampling";
    default:
        return "Stratified Sampling";
    }
}

bool IsParameterCode(int parameter)
{
    return parameter >= kOneMean && parameter <= kTwoProportion;
}

bool IsProportion(int parameter)
{
    return parameter == kOneProportion || parameter == kTwoProportion;
}

bool IsTwoSample(int parameter)
{
    return parameter == kTwoMean || parameter == kTwoProportion;
}
